#pragma once

#include <QApplication>
#include <QImage>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWidget>

#include <cstring>

// Small helpers shared by the window tests.
namespace windowtesting {

// The control of that objectName, or a failed assertion.
template<typename T>
T *control(const QWidget *window, const char *name)
{
    auto *found = window->findChild<T *>(QLatin1String(name));
    Q_ASSERT_X(found, "windowtesting::control", name);
    return found;
}

// Pixel for pixel, whatever colour profile either picture carries.
inline bool samePixels(const QImage &a, const QImage &b)
{
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    if (left.size() != right.size())
        return false;
    for (int y = 0; y < left.height(); ++y) {
        if (std::memcmp(left.constScanLine(y), right.constScanLine(y), size_t(left.bytesPerLine())) != 0)
            return false;
    }
    return true;
}

// For a dialog over its owner, QTest::qWaitForWindowActive() answers before
// the dialog has taken over the focus; wait for the application to say so.
inline bool becomesActive(QWidget *window)
{
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

// Where the style draws a part of a slider, in the slider's coordinates.
inline QRect sliderPart(const QSlider *slider, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.upsideDown = slider->invertedAppearance() != (slider->orientation() == Qt::Vertical);
    option.tickPosition = slider->tickPosition();
    option.tickInterval = slider->tickInterval();
    option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle | QStyle::SC_SliderTickmarks;
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, part, slider);
}

} // namespace windowtesting
