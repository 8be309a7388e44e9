#pragma once

#include <windows.h>

#include <mmsystem.h>

// Qt builds with UNICODE, which makes mciSendString a macro for the wide
// mciSendStringW: it would rename platform::mciSendString wherever this
// header is seen. We call the narrow function by its own name instead.
#undef mciSendString

namespace platform {

// winmm's narrow media-control string function, or a stand-in of exactly its
// type.
using MciSendStringAFunction = decltype(&::mciSendStringA);

// While it lives, mciSendString() calls `replacement` instead of winmm's
// mciSendStringA: a test sees exactly what would reach winmm without moving
// a tray. Nothing else swaps the function; each puts back what it found.
class MciSendStringAReplacement
{
public:
    explicit MciSendStringAReplacement(MciSendStringAFunction replacement);
    ~MciSendStringAReplacement();

    MciSendStringAReplacement(const MciSendStringAReplacement &) = delete;
    MciSendStringAReplacement &operator=(const MciSendStringAReplacement &) = delete;

private:
    MciSendStringAFunction m_previous;
};

} // namespace platform
