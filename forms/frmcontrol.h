#pragma once

#include "applysequence.h"
#include "desktopscale.h"
#include "messageboxes.h"

#include <QWidget>

#include <memory>

namespace Ui {
class frmControl;
}
namespace platform {
class IntervalTimer;
}
class ImageList;

// The main window: the control panel of the size advisor.
//
// Its layout lives in frmcontrol.ui; this class only wires events to the
// advisor. A slider moved by the user emits ScrollSlider::scrolled, whose
// handler runs UpdateDisplay(): advisor::displayFor() works out from the four
// slider values what the window shows, and UpdateDisplay writes it to the
// controls. Apply runs an advisor::ApplySequence, which asks the user through
// message boxes, moves the CD tray through the platform's media control, and
// has the window follow it through its signals: enabled state, progress bar,
// Timer1.
class FrmControl : public QWidget
{
    Q_OBJECT

public:
    // Builds the window, resets it and shows it, centred and active.
    explicit FrmControl(QWidget *parent = nullptr);
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
    void Timer1_Timer();
    void cmdPreview_Click();
    void cmdAbout_Click();
    void cmdExit_Click();

    advisor::Sliders sliders() const;
    void showRecommendation(const QString &text);
    void showProgress(int minimum, int maximum, int value);
    void setTimer(int milliseconds, bool enabled);

    std::unique_ptr<Ui::frmControl> ui;
    ImageList *imlPenis;
    platform::IntervalTimer *Timer1;
    DesktopScale m_scale;
    FittingFonts m_recommendationFonts;
    platform::QtMessageBoxes m_messageBoxes;
    advisor::ApplySequence m_apply;
};
