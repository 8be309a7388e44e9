// The program as it starts, on a machine whose CD drives are hidden behind
// the simulated drive of fakecdrom.h, here without a drive at all: the screen
// reader test presses Apply, and no real tray may move.

#include "startup.h"

int main(int argc, char *argv[])
{
    return runVantelix(argc, argv);
}
