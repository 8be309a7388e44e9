#include "frmabout.h"
#include "ui_frmabout.h"

#include "aboutcredits.h"
#include "appidentity.h"
#include "assetnames.h"
#include "desktopscale.h"
#include "eventhandler.h"
#include "fixedframe.h"
#include "readablecolour.h"
#include "shell.h"

#include <QKeyEvent>

namespace {

// When a dialog opens, Orca 43 reads its title and those of its labels that
// label nothing and have three words or more (script_utilities.py,
// unrelatedLabels); when none is left it reads the dialog's description
// instead. Here the short lines and the links, which are no labels, would go
// unheard. So each label labels something, the captions their links and the
// other lines the window, and the window is described by its whole text.
void describeByWholeText(QDialog *window, const Ui::frmAbout &ui)
{
    ui.Label2->setBuddy(ui.Label4);
    ui.label3->setBuddy(ui.Label5);
    for (QLabel *line : std::initializer_list<QLabel *>{ui.lblTitle, ui.lblVersion, ui.Label1, ui.lblDescription})
        line->setBuddy(window);
    const QString space = QStringLiteral(" ");
    const QStringList lines{ui.lblTitle->text(),
                            ui.lblVersion->text(),
                            ui.Label1->text(),
                            ui.Label2->text() + space + ui.Label4->text(),
                            ui.label3->text() + space + ui.Label5->text(),
                            ui.lblDescription->text()};
    window->setAccessibleDescription(lines.join(QStringLiteral(". ")));
}

} // namespace

FrmAbout::FrmAbout(QWidget *owner, core::Shell &shell)
    : QDialog(owner)
    , ui(std::make_unique<Ui::frmAbout>())
    , m_shell(shell)
{
    ui->setupUi(this);
    DesktopScale scale(this);
    scale.applyTo(this);

    useFixedFrame(this, Qt::Dialog);
    setWindowIcon(QIcon(assets::aboutIcon()));
    scale.showPicture(ui->picIcon, QPixmap(assets::aboutPicture()));

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
    describeByWholeText(this, *ui);

    // The title keeps the size the layout gives it; every other text takes
    // the window's font, made small enough for all of them to show whole.
    const QList<const QLabel *> fitted{ui->lblVersion, ui->Label1, ui->Label2, ui->Label4,
                                       ui->label3,     ui->Label5, ui->lblDescription, ui->lblDisclaimer};
    QList<DesktopScale::LabelText> texts;
    for (const QLabel *label : fitted)
        texts.append({label, label->text(), scale.drawnGeometry(label)});
    setFont(scale.fitting(font(), texts));
    useReadableColours();
}

FrmAbout::~FrmAbout() = default;

// The layout paints the description and disclaimer black and the links in
// the desktop's highlight colour. On a palette where these do not stand out
// from the window (a dark theme, a light highlight), the window's own text
// colour takes their place, or for the links the palette's link colour.
void FrmAbout::useReadableColours()
{
    const QPalette &desktop = palette();
    const QColor background = desktop.color(QPalette::Window);
    const auto paint = [&background](QLabel *label, const QList<QColor> &candidates) {
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, readableColour(candidates, background, label->font()));
        label->setPalette(colours);
    };
    for (QLabel *label : {ui->lblDescription, ui->lblDisclaimer})
        paint(label, {label->palette().color(QPalette::WindowText), desktop.color(QPalette::WindowText)});
    for (QLabel *link : {ui->Label4, ui->Label5}) {
        paint(link, {desktop.color(QPalette::Highlight), desktop.color(QPalette::Link),
                     desktop.color(QPalette::WindowText)});
    }
}

void FrmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("About ") + identity::title());
    ui->lblVersion->setText(identity::versionLine());
    ui->lblTitle->setText(identity::title());
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
    const QString workingFolder = identity::path();
    m_shell.open(owner, target, workingFolder);
}

// The link under the pointer is underlined first, then the other cleared.
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
