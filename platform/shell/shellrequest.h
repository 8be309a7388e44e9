#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <qwindowdefs.h> // WId

namespace platform {

// One "Open" request to the Windows shell: the arguments of ShellExecuteA in
// its order, the texts already narrowed to the ANSI code page it expects.
struct ShellOpenRequest
{
    WId owner = 0;          // window that owns whatever the shell shows
    QByteArray operation;   // "Open"
    QByteArray file;        // the web address or mail link
    QByteArray parameters;  // "": an empty text, never an absent one
    QByteArray directory;   // working folder, with the platform's separators
    int showCommand = 0;    // 1: show normally
};

ShellOpenRequest makeShellOpenRequest(WId owner, const QString &target, const QString &workingFolder);

// The same target as desktop services take it. The text is kept as it is
// written: a target that is not a valid URL stays invalid and opens nothing.
QUrl shellOpenUrl(const QString &target);

} // namespace platform
