#include "desktopshell.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

void DesktopShell::open(quintptr ownerWindow, const QString &target, const QString &workingFolder)
{
    // Desktop services take neither an owner window nor a working folder:
    // the browser or mail program starts as the desktop configures it.
    Q_UNUSED(ownerWindow);
    Q_UNUSED(workingFolder);
    // Kept as written: a target that is not a valid URL opens nothing. A
    // failure is silent, as on Windows.
    QDesktopServices::openUrl(QUrl(target, QUrl::StrictMode));
}

} // namespace platform
