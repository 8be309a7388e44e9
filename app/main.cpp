#include "appidentity.h"
#include "fatalerror.h"
#include "frmcontrol.h"
#include "mcimediacontrol.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(app::exeName());

    try {
        platform::MciMediaControl media;
        FrmControl frmControl(media);
        return QApplication::exec();
    } catch (...) {
        platform::endWithCurrentException();
    }
}
