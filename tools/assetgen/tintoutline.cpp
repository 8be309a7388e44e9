#include "tintoutline.h"

#include <array>

namespace assetgen::tintoutline {
namespace {

struct RowSpan
{
    int top;
    int bottom;
};

// First and last opaque row of columns 2 to 17: an egg-shaped bulb whose
// widest column reaches rows 0 to 18 and which narrows into the body. It
// holds 235 pixels, so that with the 130 x 14 body the shape has 2055.
constexpr std::array<RowSpan, kBodyFirstColumn - kFirstColumn> kRoundedEnd{{
    {8, 10},
    {4, 14},
    {3, 15},
    {2, 16},
    {1, 17},
    {0, 18},
    {0, 18},
    {0, 18},
    {1, 17},
    {1, 17},
    {2, 16},
    {2, 15},
    {2, 15},
    {2, 15},
    {2, 15},
    {2, 15},
}};

} // namespace

bool isOpaque(int x, int y)
{
    if (x < kFirstColumn || x > kLastColumn)
        return false;
    if (x >= kBodyFirstColumn)
        return y >= kBodyTop && y <= kBodyBottom;
    const RowSpan &span = kRoundedEnd[std::size_t(x - kFirstColumn)];
    return y >= span.top && y <= span.bottom;
}

} // namespace assetgen::tintoutline
