#include "frmabout.h"
#include "ui_frmabout.h"

#include "aboutcredits.h"
#include "appidentity.h"
#include "assetnames.h"
#include "eventhandler.h"
#include "labelfontfit.h"
#include "shellopen.h"

#include <QKeyEvent>

FrmAbout::FrmAbout(QWidget *owner)
    : QDialog(owner)
    , ui(std::make_unique<Ui::frmAbout>())
{
    ui->setupUi(this);

    // Fixed dialog frame: a title bar with the system menu and a close box,
    // no minimise or maximise box. As a dialog with an owner it gets no
    // taskbar button of its own.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(size());
    setWindowIcon(QIcon(assets::aboutIcon()));
    ui->picIcon->setPixmap(QPixmap(assets::aboutPicture()));

    ui->Label1->setText(about::creditLine());
    ui->Label4->setText(about::authorEmail());
    ui->Label5->setText(about::website());

    // Only the bare client area and the labels with a hover rule react to
    // moves; the rest keep theirs, also while a button is held over them.
    setMouseTracking(true);
    const QList<QWidget *> withoutHoverRule{ui->picIcon,    ui->cmdOK,          ui->lblTitle,
                                            ui->lblVersion, ui->lblDescription, ui->lblDisclaimer};
    for (QWidget *widget : withoutHoverRule)
        widget->setAttribute(Qt::WA_NoMousePropagation);

    connectHandler(ui->cmdOK, &QPushButton::clicked, this, &FrmAbout::cmdOK_Click);
    connectHandler(ui->Label4, &AboutHoverLabel::clicked, this, &FrmAbout::Label4_Click);
    connectHandler(ui->Label5, &AboutHoverLabel::clicked, this, &FrmAbout::Label5_Click);
    connectHandler(ui->Label4, &AboutHoverLabel::mouseMoved, this, &FrmAbout::Label4_MouseMove);
    connectHandler(ui->Label5, &AboutHoverLabel::mouseMoved, this, &FrmAbout::Label5_MouseMove);
    connectHandler(ui->Label1, &AboutHoverLabel::mouseMoved, this, &FrmAbout::Label1_MouseMove);
    connectHandler(ui->Label2, &AboutHoverLabel::mouseMoved, this, &FrmAbout::Label2_MouseMove);
    connectHandler(ui->label3, &AboutHoverLabel::mouseMoved, this, &FrmAbout::label3_MouseMove);

    ui->cmdOK->setFocus();
    Form_Load();

    // The title keeps the size the layout gives it; every other text takes
    // the window's font, made small enough for all of them to show whole.
    setFont(fontFitting(font(), currentTexts({ui->lblVersion, ui->Label1, ui->Label2, ui->Label4, ui->label3,
                                              ui->Label5, ui->lblDescription, ui->lblDisclaimer})));
}

FrmAbout::~FrmAbout() = default;

void FrmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("About ") + app::title());
    ui->lblVersion->setText(app::versionLine());
    ui->lblTitle->setText(app::title());
}

void FrmAbout::keyPressEvent(QKeyEvent *event)
{
    // OK is the cancel button as well as the default one: Escape presses it,
    // as Enter does, whichever control has the focus.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        ui->cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FrmAbout::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    runHandler([this] { Form_MouseMove(); });
}

void FrmAbout::cmdOK_Click()
{
    close();
}

void FrmAbout::Label4_Click()
{
    openLink(about::mailTarget());
}

void FrmAbout::Label5_Click()
{
    openLink(about::website());
}

void FrmAbout::openLink(const QString &target)
{
    const WId owner = winId();
    const QString workingFolder = app::path();
    platform::shellOpen(owner, target, workingFolder);
}

void FrmAbout::Label4_MouseMove()
{
    ui->Label4->setUnderlined(true);
    ui->Label5->setUnderlined(false);
}

void FrmAbout::Label5_MouseMove()
{
    ui->Label5->setUnderlined(true);
    ui->Label4->setUnderlined(false);
}

void FrmAbout::Form_MouseMove() { underlineLinks(false, false); }
void FrmAbout::Label1_MouseMove() { underlineLinks(false, false); }
void FrmAbout::Label2_MouseMove() { underlineLinks(false, false); }
void FrmAbout::label3_MouseMove() { underlineLinks(false, false); }

void FrmAbout::underlineLinks(bool label4, bool label5)
{
    ui->Label4->setUnderlined(label4);
    ui->Label5->setUnderlined(label5);
}
