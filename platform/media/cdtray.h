#pragma once

namespace platform {

// The tray of the computer's CD drive. Both calls block until the tray has
// moved (a second or two on real hardware) and report an MCIERR_* status:
// zero when the tray is where it was asked to be.
class CdTray
{
public:
    virtual ~CdTray() = default;

    virtual unsigned open() = 0;
    virtual unsigned close() = 0;
};

} // namespace platform
