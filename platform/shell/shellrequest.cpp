#include "shellrequest.h"

#include <QDir>

namespace platform {

namespace {

constexpr int kShowNormal = 1; // SW_SHOWNORMAL

} // namespace

ShellOpenRequest makeShellOpenRequest(WId owner, const QString &target, const QString &workingFolder)
{
    ShellOpenRequest request;
    request.owner = owner;
    request.operation = QByteArrayLiteral("Open");
    // toLocal8Bit() is the ANSI code page on Windows, which the A entry point reads.
    request.file = target.toLocal8Bit();
    request.parameters = QByteArrayLiteral("");
    request.directory = QDir::toNativeSeparators(workingFolder).toLocal8Bit();
    request.showCommand = kShowNormal;
    return request;
}

QUrl shellOpenUrl(const QString &target)
{
    return QUrl(target, QUrl::StrictMode);
}

} // namespace platform
