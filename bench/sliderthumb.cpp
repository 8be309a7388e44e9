#include "sliderthumb.h"

#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWindow>

namespace bench {

namespace {

// QSlider fills its style option the same way; the function that does it
// is protected.
QStyleOptionSlider styleOption(const QSlider *slider, int value)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.subControls = QStyle::SC_None;
    option.activeSubControls = QStyle::SC_None;
    option.orientation = slider->orientation();
    option.maximum = slider->maximum();
    option.minimum = slider->minimum();
    option.tickPosition = slider->tickPosition();
    option.tickInterval = slider->tickInterval();
    option.upsideDown = slider->orientation() == Qt::Horizontal
        ? slider->invertedAppearance() != (option.direction == Qt::RightToLeft)
        : !slider->invertedAppearance();
    option.direction = Qt::LeftToRight;
    option.sliderPosition = value;
    option.sliderValue = value;
    option.singleStep = slider->singleStep();
    option.pageStep = slider->pageStep();
    if (slider->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    return option;
}

// Input events carry increasing timestamps; a step of one millisecond keeps
// them apart without waiting.
constexpr int kEventSpacingMs = 1;

} // namespace

QRect sliderThumbRect(const QSlider *slider, int value)
{
    const QStyleOptionSlider option = styleOption(slider, value);
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider);
}

ThumbDrag::ThumbDrag(QSlider *slider)
    : m_slider(slider)
{
    QTest::mousePress(m_slider->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      windowPoint(m_slider->value()), kEventSpacingMs);
}

ThumbDrag::~ThumbDrag()
{
    QTest::mouseRelease(m_slider->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                        windowPoint(m_slider->sliderPosition()), kEventSpacingMs);
}

void ThumbDrag::moveTo(int value)
{
    // Processes the application's events once the move is delivered.
    QTest::mouseMove(m_slider->window()->windowHandle(), windowPoint(value), kEventSpacingMs);
}

QPoint ThumbDrag::windowPoint(int value) const
{
    return m_slider->mapTo(m_slider->window(), sliderThumbRect(m_slider, value).center());
}

} // namespace bench
