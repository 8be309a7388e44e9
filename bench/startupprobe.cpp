// The program's start-up, step for step as app/main.cpp takes it, with a
// reporter of the main window's first paint. vantelix-startup-bench starts
// it and times the report.

#include "appidentity.h"
#include "fatalerror.h"
#include "firstpaintreporter.h"
#include "frmcontrol.h"
#include "mcimediacontrol.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    FirstPaintReporter reporter;
    application.installEventFilter(&reporter);
    QApplication::setApplicationName(app::exeName());
    QGuiApplication::setDesktopFileName(app::applicationId());

    try {
        platform::MciMediaControl media;
        FrmControl frmControl(media);
        return QApplication::exec();
    } catch (...) {
        platform::endWithCurrentException();
    }
}
