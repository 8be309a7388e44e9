#pragma once

#include "applysequence.h"
#include "controls.h"
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
class QLabel;

// The main window: the control panel of the size advisor.
//
// Its layout lives in frmcontrol.ui; this class only wires events to the
// advisor. A slider moved by the user emits ScrollSlider::scrolled, whose
// handler runs UpdateDisplay(); that asks advisor::updateDisplay() to
// recompute the display from the four sliders (read through advisor::Sliders)
// and write it back through advisor::Display. Apply runs an
// advisor::ApplySequence, which talks to the user through message boxes, to
// the CD tray through the media control it is given, and fills the progress
// bar on Timer1 through advisor::ApplyPanel.
class FrmControl : public QWidget,
                   private advisor::Sliders,
                   private advisor::Display,
                   private advisor::ApplyPanel
{
    Q_OBJECT

public:
    // Builds the window, resets it and shows it, centred and active.
    explicit FrmControl(advisor::MediaControl &media, QWidget *parent = nullptr);
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

    // advisor::Sliders
    int currentSize() const override;
    int desiredSize() const override;
    int beforeTint() const override;
    int afterTint() const override;

    // advisor::Display
    void setCurrentCaption(const QString &caption) override;
    void setDesiredCaption(const QString &caption) override;
    void setPreviewVisible(bool visible) override;
    void setBeforePicture(int pictureNumber) override;
    void setAfterPicture(int pictureNumber) override;
    void setBeforeWidth(int twips) override;
    void setAfterWidth(int twips) override;
    void setRecommendation(const QString &text) override;
    void setWidthTwips(QLabel *control, int twips);

    // advisor::ApplyPanel
    void setWindowEnabled(bool enabled) override;
    float progressMax() const override;
    float progressValue() const override;
    void setProgressMin(float value) override;
    void setProgressMax(float value) override;
    void setProgressValue(float value) override;
    void setTimerInterval(int milliseconds) override;
    void setTimerEnabled(bool enabled) override;

    std::unique_ptr<Ui::frmControl> ui;
    ImageList *imlPenis;
    platform::IntervalTimer *Timer1;
    DesktopScale m_scale;
    FittingFonts m_recommendationFonts;
    platform::QtMessageBoxes m_messageBoxes;
    advisor::ApplySequence m_apply;
};
