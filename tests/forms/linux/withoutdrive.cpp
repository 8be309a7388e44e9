// The program as it starts, on a machine without a CD drive: the screen
// reader test presses Apply, and no tray may move where there is one.

#include "mcisendstring.h"
#include "mcistatus.h"
#include "startup.h"

namespace {

unsigned noDrive(const char *, char *, unsigned, quintptr)
{
    return platform::mci::DeviceNotInstalled;
}

} // namespace

int main(int argc, char *argv[])
{
    const platform::MciSendStringReplacement tray(&noDrive);
    return runVantelix(argc, argv);
}
