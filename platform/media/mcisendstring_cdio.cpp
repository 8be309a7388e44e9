#include "mcisendstring.h"

#include "libcdiotray.h"
#include "mciinterpreter.h"

namespace platform {

unsigned systemMciSendString(const char *command, char *returnBuffer, unsigned returnLength, quintptr /*callbackWindow*/)
{
    LibcdioTray tray;
    return interpretMciCommand(command, returnBuffer, returnLength, tray);
}

} // namespace platform
