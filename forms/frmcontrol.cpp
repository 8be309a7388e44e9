#include "frmcontrol.h"
#include "ui_frmcontrol.h"

#include "appidentity.h"
#include "assetnames.h"
#include "desktopscale.h"
#include "enabledlookstyle.h"
#include "eventhandler.h"
#include "fixedframe.h"
#include "frmabout.h"
#include "frmtoobig.h"
#include "imagelist.h"
#include "sizemodel.h"
#include "spokenadvice.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QScreen>
#include <QShortcut>
#include <QStyle>

namespace {

// One tint picture for every position of a tint slider.
static_assert(assets::kTintPictureCount == core::kLightestTint - core::kDarkestTint + 1);

QStringList tintPictureFiles()
{
    QStringList files;
    for (int number = 1; number <= assets::kTintPictureCount; ++number)
        files << assets::tintPicture(number);
    return files;
}

// A plain widget window counts as a client area to assistive technology;
// this one is the application's window, which a screen reader names by its
// title. (Qt owns the interfaces its factories make.)
QAccessibleInterface *accessibleMainWindow(const QString &className, QObject *object)
{
    if (className == QLatin1String("FrmControl") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

FrmControl::FrmControl(core::CdTray &tray, core::MessageBoxes &messageBoxes, core::Shell &shell, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::frmControl>())
    , imlPenis(new ImageList(tintPictureFiles(), this))
    , m_scale(this)
    , m_recommendationFonts(m_scale)
    , m_shell(shell)
    , m_apply(tray, messageBoxes, this)
{
    QAccessible::installFactory(&accessibleMainWindow); // once: Qt ignores a repeat
    ui->setupUi(this);
    m_scale.applyTo(this);
    // Disabled while the bar fills, the window keeps its look.
    EnabledLookStyle::keepLookOf(this);
    imlPenis->setObjectName(QStringLiteral("imlPenis"));
    m_spokenAdvice = new SpokenAdvice(this, {{ui->sldCurrent, ui->lblCurrent},
                                             {ui->sldWanted, ui->lblDesired},
                                             {ui->sldCol1, nullptr},
                                             {ui->sldCol2, nullptr}});

    useFixedFrame(this, Qt::Window);
    setWindowIcon(QIcon(assets::applicationIcon()));

    connectHandler(ui->sldCurrent, &ScrollSlider::scrolled, this, &FrmControl::sldCurrent_Scroll);
    connectHandler(ui->sldWanted, &ScrollSlider::scrolled, this, &FrmControl::sldWanted_Scroll);
    connectHandler(ui->sldCol1, &ScrollSlider::scrolled, this, &FrmControl::sldCol1_Scroll);
    connectHandler(ui->sldCol2, &ScrollSlider::scrolled, this, &FrmControl::sldCol2_Scroll);
    connectHandler(ui->cmdReset, &QPushButton::clicked, this, &FrmControl::cmdReset_Click);
    connectHandler(ui->cmdGo, &QPushButton::clicked, this, &FrmControl::cmdGo_Click);
    connectHandler(ui->cmdPreview, &QPushButton::clicked, this, &FrmControl::cmdPreview_Click);
    connectHandler(ui->cmdAbout, &QPushButton::clicked, this, &FrmControl::cmdAbout_Click);
    connectHandler(ui->cmdExit, &QPushButton::clicked, this, &FrmControl::cmdExit_Click);
    connect(&m_apply, &core::ApplySequence::windowEnabledChanged, this, &QWidget::setEnabled);
    connect(&m_apply, &core::ApplySequence::progressChanged, this, &FrmControl::showProgress);
    connect(&m_apply, &core::ApplySequence::windowEnabledChanged, this, &FrmControl::announceBusy);

    // Reset is the window's cancel button: Escape presses it. A plain window
    // has no cancel button of its own, so the key is a shortcut here.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, ui->cmdReset, &QPushButton::click);

    Form_Load();
}

FrmControl::~FrmControl() = default;

void FrmControl::Form_Load()
{
    setWindowTitle(identity::title());
    cmdReset_Click();
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen()->availableGeometry()));
    show();
    activateWindow();
    ui->sldCurrent->setFocus(Qt::ActiveWindowFocusReason);
}

void FrmControl::closeEvent(QCloseEvent *event)
{
    // While the bar fills the window is disabled and must not be closed
    // half-way; the window manager's close request does not check that.
    if (isEnabled())
        event->accept();
    else
        event->ignore();
}

void FrmControl::UpdateDisplay()
{
    const core::Display display = core::displayFor(sliders());
    ui->lblCurrent->setText(display.currentCaption);
    ui->lblDesired->setText(display.desiredCaption);
    ui->cmdPreview->setVisible(display.previewVisible);
    // A picture control takes its picture's size; the width set after it
    // cuts the picture off on the right.
    m_scale.showPicture(ui->Image1, imlPenis->picture(display.beforePicture));
    m_scale.showPicture(ui->Image2, imlPenis->picture(display.afterPicture));
    ui->Image1->resize(m_scale.length(core::twipsToPixels(display.beforeWidthTwips)), ui->Image1->height());
    ui->Image2->resize(m_scale.length(core::twipsToPixels(display.afterWidthTwips)), ui->Image2->height());
    showRecommendation(display.recommendation);
}

void FrmControl::sldCurrent_Scroll() { UpdateDisplay(); }
void FrmControl::sldWanted_Scroll() { UpdateDisplay(); }
void FrmControl::sldCol1_Scroll() { UpdateDisplay(); }
void FrmControl::sldCol2_Scroll() { UpdateDisplay(); }

void FrmControl::cmdReset_Click()
{
    ui->sldCol1->setValue(core::kResetTint);
    ui->sldCol2->setValue(core::kResetTint);
    ui->sldCurrent->setValue(core::kResetSize);
    ui->sldWanted->setValue(core::kResetSize);
    sldCol1_Scroll();
    sldCol2_Scroll();
}

void FrmControl::cmdGo_Click() { m_apply.apply(sliders()); }

// Each press builds the window anew; it is modal over this one and gone
// once it closes.
void FrmControl::cmdPreview_Click()
{
    FrmTooBig frmTooBig(this);
    frmTooBig.exec();
}

void FrmControl::cmdAbout_Click()
{
    FrmAbout frmAbout(this, m_shell);
    frmAbout.exec();
}

void FrmControl::cmdExit_Click()
{
    // Ends at once; no window gets a close event.
    QCoreApplication::exit(EXIT_SUCCESS);
}

core::Sliders FrmControl::sliders() const
{
    return {ui->sldCurrent->value(), ui->sldWanted->value(), ui->sldCol1->value(), ui->sldCol2->value()};
}

void FrmControl::showRecommendation(const QString &text)
{
    // The Preview button, when shown, covers the bottom of the label: the
    // text has the room above it.
    QRect room = m_scale.drawnGeometry(ui->lblRec);
    if (!ui->cmdPreview->isHidden())
        room.setBottom(std::min(room.bottom(), m_scale.drawnGeometry(ui->cmdPreview).top() - 1));
    const QFont &font = m_recommendationFonts.fontFor(ui->lblRec, text, room);
    if (ui->lblRec->font() != font)
        ui->lblRec->setFont(font);
    ui->lblRec->setText(text);
    m_spokenAdvice->show(text);
}

void FrmControl::showProgress(int minimum, int maximum, int value)
{
    ui->prgApply->setRange(minimum, maximum);
    ui->prgApply->setValue(value);
}

void FrmControl::announceBusy(bool windowEnabled)
{
    // While the bar fills, the window takes no input and no control has the
    // focus. A screen reader presents the window itself as it comes back
    // from the last question, with its description (Orca 43 reads it then).
    setAccessibleDescription(windowEnabled ? QString() : QStringLiteral("Busy, please wait."));
    // Disabling took the focus away; without it, what the user types after
    // the success notice goes nowhere, and a screen reader says nothing.
    if (windowEnabled && !focusWidget())
        ui->cmdGo->setFocus();
}
