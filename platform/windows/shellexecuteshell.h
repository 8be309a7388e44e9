#pragma once

#include "shell.h"

#include <windows.h>

#include <shellapi.h>

namespace platform {

// The shell's narrow ShellExecuteA, or a stand-in of its type.
using ShellExecuteFunction = decltype(&::ShellExecuteA);

// Opens links through the Windows shell: ShellExecuteA with the operation
// "Open", the target, empty parameters, the working folder and "show
// normally", the texts in the ANSI code page. The shell's answer is not
// looked at: it has already shown whatever it had to say.
class ShellExecuteShell final : public core::Shell
{
public:
    explicit ShellExecuteShell(ShellExecuteFunction shellExecute = &::ShellExecuteA);

    void open(quintptr ownerWindow, const QString &target, const QString &workingFolder) override;

private:
    ShellExecuteFunction m_shellExecute;
};

} // namespace platform
