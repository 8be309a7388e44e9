#pragma once

#include "cdtray.h"

namespace platform {

// The tray of the default CD drive, moved through libcdio. The drive is looked
// up at every call, so one plugged in while the program runs is found.
// Nothing is printed: libcdio's log is silenced for the length of each call.
class LibcdioTray final : public core::CdTray
{
public:
    void open() override;
    void close() override;
};

} // namespace platform
