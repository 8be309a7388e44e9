#pragma once

namespace core {

// The tray of the computer's CD drive, moved by the platform's media control.
// Both calls block while the tray moves (a second or two on real hardware).
// Nothing is reported: without a drive, without permission or with a tray
// that does not move, the calls do nothing, and Apply goes on the same.
class CdTray
{
public:
    // Opens the tray; an open tray stays open.
    virtual void open() = 0;
    virtual void close() = 0;

protected:
    ~CdTray() = default;
};

} // namespace core
