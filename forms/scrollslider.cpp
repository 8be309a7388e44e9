#include "scrollslider.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

namespace {

// What assistive technology sees of the slider. Qt's own slider interface
// sets a new value with setValue(), which the window takes for a change by
// the program; here the value moves the thumb as a drag does, so the window
// refreshes as it does for a key press.
class AccessibleScrollSlider : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit AccessibleScrollSlider(ScrollSlider *slider)
        : QAccessibleWidget(slider, QAccessible::Slider)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? QString::number(slider()->value()) : QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return slider()->value(); }
    void setCurrentValue(const QVariant &value) override
    {
        // A disabled slider takes no input, from assistive technology either.
        if (slider()->isEnabled())
            slider()->setSliderPosition(value.toInt());
    }
    QVariant maximumValue() const override { return slider()->maximum(); }
    QVariant minimumValue() const override { return slider()->minimum(); }
    QVariant minimumStepSize() const override { return slider()->singleStep(); }

private:
    QAbstractSlider *slider() const { return static_cast<QAbstractSlider *>(widget()); }
};

// Qt owns the interfaces its factories make.
QAccessibleInterface *accessibleScrollSlider(const QString &className, QObject *object)
{
    if (className == QLatin1String("ScrollSlider"))
        return new AccessibleScrollSlider(static_cast<ScrollSlider *>(object));
    return nullptr;
}

} // namespace

ScrollSlider::ScrollSlider(QWidget *parent)
    : QSlider(parent)
{
    QAccessible::installFactory(&accessibleScrollSlider); // once: Qt ignores a repeat

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
