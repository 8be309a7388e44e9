// The baseline of the start-up benchmark: an empty window of the main
// window's size, with the same reporter of the first paint.

#include "baselinewindow.h"
#include "firstpaintreporter.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    FirstPaintReporter reporter;
    application.installEventFilter(&reporter);

    QWidget window;
    window.resize(bench::kMainWindowClientSize);
    window.show();
    return QApplication::exec();
}
