// The program's own start-up, with a reporter of the main window's first
// paint. vantelix-startup-bench starts it and times the report.

#include "firstpaintreporter.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    return runVantelix(argc, argv, [](QApplication &application) {
        application.installEventFilter(new FirstPaintReporter(&application));
    });
}
