#include "shellopen.h"

#include "shellrequest.h"

#include <QDesktopServices>

namespace platform {

void shellOpen(WId owner, const QString &target, const QString &workingFolder)
{
    // Desktop services take neither an owner window nor a working folder:
    // the browser or mail program starts as the desktop configures it.
    Q_UNUSED(owner);
    Q_UNUSED(workingFolder);
    // A failure is silent, as on Windows.
    QDesktopServices::openUrl(shellOpenUrl(target));
}

} // namespace platform
