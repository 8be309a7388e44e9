#pragma once

#include "cdtray.h"

#include <QByteArray>

namespace platform {

// The tray of a CD drive, moved through libcdio.
//
// Without a device name the default drive is looked up on every call, so a
// drive plugged in while the program runs is found. No drive gives
// MCIERR_DEVICE_NOT_INSTALLED, a drive that cannot be opened (vanished, or no
// permission) MCIERR_DEVICE_NOT_READY, a tray the drive refuses to move
// (busy, not motorised) MCIERR_HARDWARE or MCIERR_UNSUPPORTED_FUNCTION.
// Nothing is printed: libcdio's log is silenced for the length of each call.
class LibcdioTray final : public CdTray
{
public:
    LibcdioTray() = default;
    // A fixed device such as "/dev/sr1", used as given.
    explicit LibcdioTray(QByteArray device);

    unsigned open() override;
    unsigned close() override;

private:
    // The device to act on, empty when there is no drive.
    QByteArray device() const;

    QByteArray m_device;
};

} // namespace platform
