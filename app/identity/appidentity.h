#pragma once

#include <QString>

// Who the program says it is. Everything here is fixed when the program is
// built; nothing depends on the user's locale.
namespace app {

QString title();        // "Vantelix": captions and message-box titles
QString exeName();      // executable name without extension
QString applicationId();    // reverse-DNS id: .desktop file, AppStream, setDesktopFileName
QString companyName();      // the maker, as in the version resource
QString copyrightNotice();  // the maker's copyright notice
int major();
int minor();
int revision();
QString path();         // folder of the running executable

QString versionLine();          // About box: "Version 1.1.2"
QString resourceVersion();      // version resource strings: "1.01.0002"

} // namespace app
