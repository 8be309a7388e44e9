#include "startup.h"

#include "appidentity.h"
#include "fatalerror.h"
#include "fontconfigpreload.h"
#include "frmcontrol.h"

#include <QApplication>

int runVantelix(int &argc, char **argv, const std::function<void(QApplication &)> &applicationReady)
{
    // Runs while the application connects to the display.
    FontConfigPreload fontConfig;
    QApplication application(argc, argv);

    // The X11 window class comes from the name; the desktop entry matches it.
    QApplication::setApplicationName(app::exeName());
    QGuiApplication::setDesktopFileName(app::applicationId());
    if (applicationReady)
        applicationReady(application);

    fontConfig.wait();
    try {
        FrmControl frmControl;
        return QApplication::exec();
    } catch (...) {
        platform::endWithCurrentException();
    }
}
