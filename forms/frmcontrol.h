#pragma once

#include "applysequence.h"
#include "desktopscale.h"

#include <QWidget>

#include <memory>

namespace Ui {
class frmControl;
}
namespace core {
class Shell;
}
class ImageList;
class SpokenAdvice;

// The main window: the control panel of the size advisor.
//
// Its layout lives in frmcontrol.ui; this class only wires events to the
// core. A slider moved by the user emits ScrollSlider::scrolled, whose
// handler runs UpdateDisplay(): core::displayFor() works out from the four
// slider values what the window shows, and UpdateDisplay writes it to the
// controls. Apply runs a core::ApplySequence, which asks the user through the
// message boxes, moves the CD tray, fills the bar on its Timer1 and has the
// window follow it through its signals: enabled state and progress bar. The
// About window gets the shell that opens its links. SpokenAdvice has a screen
// reader say the advice: each slider is described by it, and a new advice is
// announced after the slider's value.
class FrmControl : public QWidget
{
    Q_OBJECT

public:
    // Builds the window, resets it and shows it, centred and active. The
    // ports stay the caller's and must outlive the window.
    FrmControl(core::CdTray &tray, core::MessageBoxes &messageBoxes, core::Shell &shell, QWidget *parent = nullptr);
    ~FrmControl() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void UpdateDisplay();

    void sldCurrent_Scroll();
    void sldWanted_Scroll();
    void sldCol1_Scroll();
    void sldCol2_Scroll();
    void cmdReset_Click();
    void cmdGo_Click();
    void cmdPreview_Click();
    void cmdAbout_Click();
    void cmdExit_Click();

    core::Sliders sliders() const;
    void showRecommendation(const QString &text);
    void showProgress(int minimum, int maximum, int value);
    void announceBusy(bool windowEnabled);

    std::unique_ptr<Ui::frmControl> ui;
    ImageList *imlPenis;
    DesktopScale m_scale;
    FittingFonts m_recommendationFonts;
    core::Shell &m_shell;
    core::ApplySequence m_apply;
    SpokenAdvice *m_spokenAdvice = nullptr;
};
