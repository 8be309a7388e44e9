// A second baseline of the start-up benchmark: the empty window with one
// line of text in it. It shows what the first font alone costs, a cost
// every window that shows text pays before its first paint.

#include "baselinewindow.h"
#include "firstpaintreporter.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    FirstPaintReporter reporter;
    application.installEventFilter(&reporter);

    QWidget window;
    window.resize(bench::kMainWindowClientSize);
    auto *label = new QLabel(QStringLiteral("Current Size"), &window);
    label->move(16, 8);
    window.show();
    return QApplication::exec();
}
