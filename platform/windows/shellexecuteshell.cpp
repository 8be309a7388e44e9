#include "shellexecuteshell.h"

#include <QByteArray>
#include <QDir>

namespace platform {

ShellExecuteShell::ShellExecuteShell(ShellExecuteFunction shellExecute)
    : m_shellExecute(shellExecute)
{
}

void ShellExecuteShell::open(quintptr ownerWindow, const QString &target, const QString &workingFolder)
{
    // toLocal8Bit() is the ANSI code page, which the narrow function reads.
    const QByteArray file = target.toLocal8Bit();
    const QByteArray folder = QDir::toNativeSeparators(workingFolder).toLocal8Bit();
    // The parameters are an empty text, never an absent one.
    m_shellExecute(reinterpret_cast<HWND>(ownerWindow), "Open", file.constData(), "", folder.constData(),
                   SW_SHOWNORMAL);
}

} // namespace platform
