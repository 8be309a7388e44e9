#include "shellopen.h"

#include "shellexecute_win.h"
#include "shellrequest.h"

#include <utility>

namespace platform {

namespace {

// The shell's function, unless a test has put a stand-in in its place.
ShellExecuteAFunction g_shellExecuteA = &::ShellExecuteA;

} // namespace

HINSTANCE shellExecute(const ShellOpenRequest &request)
{
    return g_shellExecuteA(reinterpret_cast<HWND>(request.owner),
                           request.operation.constData(),
                           request.file.constData(),
                           request.parameters.constData(),
                           request.directory.constData(),
                           request.showCommand);
}

void shellOpen(WId owner, const QString &target, const QString &workingFolder)
{
    // The answer only tells success from failure, and a failure is silent
    // here: the shell has already shown whatever it had to say.
    shellExecute(makeShellOpenRequest(owner, target, workingFolder));
}

ShellExecuteAReplacement::ShellExecuteAReplacement(ShellExecuteAFunction replacement)
    : m_previous(std::exchange(g_shellExecuteA, replacement))
{
}

ShellExecuteAReplacement::~ShellExecuteAReplacement()
{
    g_shellExecuteA = m_previous;
}

} // namespace platform
