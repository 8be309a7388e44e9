#include "startup.h"

#include "appidentity.h"
#include "fatalerror.h"
#include "fontconfigpreload.h"
#include "frmcontrol.h"
#include "qtmessageboxes.h"

#ifdef Q_OS_WIN
#include "mcitray.h"
#include "shellexecuteshell.h"
#else
#include "desktopshell.h"
#include "libcdiotray.h"
#endif

#include <QApplication>

namespace {

// The tray and the shell of the platform the program runs on.
#ifdef Q_OS_WIN
using SystemTray = platform::MciTray;
using SystemShell = platform::ShellExecuteShell;
#else
using SystemTray = platform::LibcdioTray;
using SystemShell = platform::DesktopShell;
#endif

} // namespace

int runVantelix(int &argc, char **argv, const std::function<void(QApplication &)> &applicationReady)
{
    // Runs while the application connects to the display.
    FontConfigPreload fontConfig;
    QApplication application(argc, argv);

    // The X11 window class comes from the name; the desktop entry matches it.
    QApplication::setApplicationName(identity::exeName());
    QGuiApplication::setDesktopFileName(identity::applicationId());
    if (applicationReady)
        applicationReady(application);

    fontConfig.wait();
    try {
        SystemTray tray;
        SystemShell shell;
        platform::QtMessageBoxes messageBoxes;
        FrmControl frmControl(tray, messageBoxes, shell);
        messageBoxes.setOwner(&frmControl);
        return QApplication::exec();
    } catch (...) {
        fatal::endWithCurrentException();
    }
}
