#pragma once

#include <QString>
#include <qwindowdefs.h> // WId

namespace platform {

// Asks the desktop shell to open target (a web address or a "mailto:" link)
// in the program the user has for it, and returns at once. The result is not
// examined: when nothing can open the target, nothing is reported.
//
// owner is the window on whose behalf the request is made; the Windows shell
// owns its own messages by it. workingFolder is the folder the started
// program begins in, where the platform lets us choose it.
void shellOpen(WId owner, const QString &target, const QString &workingFolder);

} // namespace platform
