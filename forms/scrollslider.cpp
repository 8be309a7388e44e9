#include "scrollslider.h"

ScrollSlider::ScrollSlider(QWidget *parent)
    : QSlider(parent)
{
    // Every user movement goes through triggerAction(), which emits
    // actionTriggered() with the new position set but before the value is
    // committed; the commit that follows is the one to report.
    connect(this, &QAbstractSlider::actionTriggered, this, &ScrollSlider::noteUserAction);
}

void ScrollSlider::noteUserAction()
{
    // An action that does not move the thumb (Up at the top) commits nothing.
    m_userMoving = sliderPosition() != value();
}

void ScrollSlider::sliderChange(SliderChange change)
{
    QSlider::sliderChange(change);
    if (change == SliderValueChange && m_userMoving) {
        m_userMoving = false;
        emit scrolled();
    }
}
