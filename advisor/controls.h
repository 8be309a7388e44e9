#pragma once

#include <QString>

// The controls of the main window as the advisor sees them. The window
// implements these; tests implement them with plain values.
namespace advisor {

// The four sliders: the whole state of the advisor.
class Sliders
{
public:
    virtual int currentSize() const = 0;
    virtual int desiredSize() const = 0;
    virtual int beforeTint() const = 0;
    virtual int afterTint() const = 0;

protected:
    ~Sliders() = default;
};

// Everything the refresh writes.
class Display
{
public:
    virtual void setCurrentCaption(const QString &caption) = 0;
    virtual void setDesiredCaption(const QString &caption) = 0;
    virtual void setPreviewVisible(bool visible) = 0;
    virtual void setBeforePicture(int pictureNumber) = 0;
    virtual void setAfterPicture(int pictureNumber) = 0;
    virtual void setBeforeWidth(int twips) = 0;
    virtual void setAfterWidth(int twips) = 0;
    virtual void setRecommendation(const QString &text) = 0;

protected:
    ~Display() = default;
};

// What the Apply sequence drives besides the sliders: the window's enabled
// state, the progress bar (single-precision, as the bar stores it) and the
// timer that fills it.
class ApplyPanel
{
public:
    virtual void setWindowEnabled(bool enabled) = 0;

    virtual float progressMax() const = 0;
    virtual float progressValue() const = 0;
    virtual void setProgressMin(float value) = 0;
    virtual void setProgressMax(float value) = 0;
    virtual void setProgressValue(float value) = 0;

    virtual void setTimerInterval(int milliseconds) = 0;
    virtual void setTimerEnabled(bool enabled) = 0;

protected:
    ~ApplyPanel() = default;
};

} // namespace advisor
