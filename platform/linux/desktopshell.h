#pragma once

#include "shell.h"

namespace platform {

// Opens links through Qt's desktop services, which ask the desktop (xdg-open,
// the portal) for the user's browser or mail program.
class DesktopShell final : public core::Shell
{
public:
    void open(quintptr ownerWindow, const QString &target, const QString &workingFolder) override;
};

} // namespace platform
