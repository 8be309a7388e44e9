#include "startup.h"

int main(int argc, char *argv[])
{
    return runVantelix(argc, argv);
}
