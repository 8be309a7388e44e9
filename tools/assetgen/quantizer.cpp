#include "quantizer.h"

#include <gif_lib.h>

#include <QHash>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace assetgen {

double luma(QRgb colour)
{
    return 0.299 * qRed(colour) + 0.587 * qGreen(colour) + 0.114 * qBlue(colour);
}

namespace {

struct ColourCount
{
    QRgb colour;
    qsizetype pixels;
};

bool darkerFirst(const ColourCount &a, const ColourCount &b)
{
    const double la = luma(a.colour), lb = luma(b.colour);
    if (la != lb)
        return la < lb;
    return (a.colour & RGB_MASK) < (b.colour & RGB_MASK);
}

QRgb meanColour(const std::vector<ColourCount> &run)
{
    qint64 red = 0, green = 0, blue = 0, pixels = 0;
    for (const ColourCount &entry : run) {
        red += qint64(qRed(entry.colour)) * entry.pixels;
        green += qint64(qGreen(entry.colour)) * entry.pixels;
        blue += qint64(qBlue(entry.colour)) * entry.pixels;
        pixels += entry.pixels;
    }
    const auto rounded = [pixels](qint64 sum) { return int((2 * sum + pixels) / (2 * pixels)); };
    return qRgb(rounded(red), rounded(green), rounded(blue));
}

void requireOnlyOpaqueOrClear(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            if (alpha != 0 && alpha != 255)
                throw std::invalid_argument("quantizer: a palette picture has no partly transparent pixels");
        }
}

} // namespace

IndexedPicture quantizeAlongLuma(const QImage &source, int opaqueColours, QRgb transparentColour)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    requireOnlyOpaqueOrClear(image);

    QHash<QRgb, qsizetype> histogram;
    qsizetype opaquePixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QRgb pixel = image.pixel(x, y); qAlpha(pixel) == 255) {
                ++histogram[pixel];
                ++opaquePixels;
            }
    if (histogram.size() < opaqueColours)
        throw std::invalid_argument("quantizer: the artwork has fewer distinct colours than the palette");

    std::vector<ColourCount> colours;
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it)
        colours.push_back({it.key(), it.value()});
    std::sort(colours.begin(), colours.end(), darkerFirst);

    // Each run takes colours until it holds its share of the pixels still
    // unassigned, leaving at least one colour for every later run.
    QHash<QRgb, int> entryOf;
    IndexedPicture picture;
    std::size_t next = 0;
    qsizetype unassigned = opaquePixels;
    for (int entry = 0; entry < opaqueColours; ++entry) {
        const int runsLeft = opaqueColours - entry;
        const qsizetype share = (unassigned + runsLeft - 1) / runsLeft;
        std::vector<ColourCount> run;
        qsizetype inRun = 0;
        while (next < colours.size() && (run.empty() || inRun < share)
               && colours.size() - next > std::size_t(runsLeft - 1)) {
            run.push_back(colours[next]);
            inRun += colours[next].pixels;
            entryOf.insert(colours[next].colour, entry);
            ++next;
        }
        unassigned -= inRun;
        picture.palette.append(meanColour(run));
    }
    for (; next < colours.size(); ++next) // the lightest leftovers join the last run's entry
        entryOf.insert(colours[next].colour, opaqueColours - 1);

    const int transparent = opaqueColours;
    picture.palette.append(transparentColour);
    picture.size = image.size();
    picture.backgroundIndex = transparent;
    picture.transparentIndex = transparent;
    picture.indices.reserve(qsizetype(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            picture.indices.append(char(qAlpha(pixel) == 255 ? entryOf.value(pixel) : transparent));
        }
    return picture;
}

IndexedPicture quantizeMedianCut(const QImage &source, int tableSize)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    std::vector<GifByteType> red, green, blue;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QRgb pixel = image.pixel(x, y); qAlpha(pixel) != 0) {
                red.push_back(GifByteType(qRed(pixel)));
                green.push_back(GifByteType(qGreen(pixel)));
                blue.push_back(GifByteType(qBlue(pixel)));
            }

    std::vector<GifByteType> reduced(red.size());
    std::vector<GifColorType> table(std::size_t(tableSize), GifColorType{0, 0, 0});
    int colours = tableSize;
    if (GifQuantizeBuffer(unsigned(red.size()), 1, &colours, red.data(), green.data(), blue.data(), reduced.data(),
                          table.data())
        == GIF_ERROR)
        throw std::runtime_error("quantizer: median cut failed");

    IndexedPicture picture;
    picture.size = image.size();
    for (const GifColorType &entry : table)
        picture.palette.append(qRgb(entry.Red, entry.Green, entry.Blue));
    std::size_t next = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            picture.indices.append(char(qAlpha(image.pixel(x, y)) != 0 ? reduced[next++] : 0));
    return picture;
}

} // namespace assetgen
