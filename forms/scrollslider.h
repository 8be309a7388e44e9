#pragma once

#include <QSlider>

// A slider that tells user movement apart from values set by the program.
//
// scrolled() is emitted for every movement the user makes (dragging, a click
// in the groove, arrow and page keys, the wheel, and a value that assistive
// technology sets through the accessibility Value interface: AT-SPI on Linux,
// UI Automation's RangeValue on Windows), after value() already holds the new
// position. setValue() from code does not emit it.
class ScrollSlider : public QSlider
{
    Q_OBJECT

public:
    explicit ScrollSlider(QWidget *parent = nullptr);

signals:
    void scrolled();

protected:
    void sliderChange(SliderChange change) override;

private:
    void noteUserAction();

    bool m_userMoving = false;
};
