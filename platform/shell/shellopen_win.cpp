#include "shellopen.h"

#include "shellrequest.h"

#include <windows.h>

#include <shellapi.h>

namespace platform {

void shellOpen(WId owner, const QString &target, const QString &workingFolder)
{
    const ShellOpenRequest request = makeShellOpenRequest(owner, target, workingFolder);
    // The returned instance only tells success from failure, and a failure is
    // silent here: the shell has already shown whatever it had to say.
    ShellExecuteA(reinterpret_cast<HWND>(request.owner),
                  request.operation.constData(),
                  request.file.constData(),
                  request.parameters.constData(),
                  request.directory.constData(),
                  request.showCommand);
}

} // namespace platform
