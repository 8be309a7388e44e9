#include "frmtoobig.h"
#include "ui_frmtoobig.h"

#include "assetnames.h"
#include "desktopscale.h"
#include "eventhandler.h"
#include "fixedframe.h"

#include <QKeyEvent>

FrmTooBig::FrmTooBig(QWidget *owner)
    : QDialog(owner)
    , ui(std::make_unique<Ui::frmTooBig>())
{
    ui->setupUi(this);
    DesktopScale scale(this);
    scale.applyTo(this);

    useFixedFrame(this, Qt::Dialog); // and no icon of its own

    scale.showPicture(ui->Image1, QPixmap(assets::previewPicture()));
    ui->cmdClose->setFocus();

    connectHandler(ui->cmdClose, &QPushButton::clicked, this, &FrmTooBig::cmdClose_Click);

    Form_Load();
}

FrmTooBig::~FrmTooBig() = default;

void FrmTooBig::Form_Load()
{
    setWindowTitle(QStringLiteral("Flaccid"));
}

void FrmTooBig::cmdClose_Click()
{
    close();
}

void FrmTooBig::keyPressEvent(QKeyEvent *event)
{
    // There is no cancel button, so Escape closes nothing. The close box
    // still closes the window: it goes through reject(), left as it is.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    // Enter presses the button that has the focus, as Space does, without
    // making it the window's default button.
    const bool enter = (event->key() == Qt::Key_Return && event->modifiers() == Qt::NoModifier)
                       || (event->key() == Qt::Key_Enter && (event->modifiers() & ~Qt::KeypadModifier) == 0);
    if (enter && ui->cmdClose->hasFocus()) {
        event->accept();
        ui->cmdClose->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
