#include "startup.h"

#include "appidentity.h"
#include "fatalerror.h"
#include "frmcontrol.h"
#include "mcimediacontrol.h"

#include <QApplication>

int runVantelix()
{
    // The X11 window class comes from the name; the desktop entry matches it.
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
