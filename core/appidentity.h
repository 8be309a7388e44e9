#pragma once

#include <QString>

// Who the program says it is. Everything here is fixed when the program is
// built; nothing depends on the user's locale.
namespace identity {

QString title();        // "Vantelix": captions and message-box titles
QString exeName();      // executable name without extension
QString applicationId();    // reverse-DNS id: .desktop file, AppStream, setDesktopFileName
int major();
int minor();
int revision();
QString path();         // folder of the running executable

QString versionLine();  // About box: "Version 1.1.2"

} // namespace identity
