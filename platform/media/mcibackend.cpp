#include "mcibackend.h"

#include "mcisendstring.h"

namespace platform {

unsigned SystemMciBackend::sendString(const char *command, char *returnBuffer, unsigned returnLength,
                                      quintptr callbackWindow)
{
    return mciSendString(command, returnBuffer, returnLength, callbackWindow);
}

} // namespace platform
