#include "enabledlookstyle.h"

#include <QApplication>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

// The colours a widget takes while enabled, in an active or inactive window.
void lookEnabled(QStyleOption &option)
{
    option.state |= QStyle::State_Enabled;
    option.palette.setCurrentColorGroup(option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive);
}

// Runs `draw` with a copy of the option that says enabled. A copy must keep
// the option's own class, which the style reads back; the classes of the
// main window's controls are known, anything else is drawn as it is.
template<typename Draw>
void drawEnabled(const QStyleOption *option, Draw draw)
{
    if (!option || option->state & QStyle::State_Enabled) {
        draw(option);
        return;
    }
    const auto withCopy = [&draw](const auto *typed) {
        auto copy = *typed;
        lookEnabled(copy);
        draw(&copy);
    };
    if (const auto *slider = qstyleoption_cast<const QStyleOptionSlider *>(option))
        withCopy(slider);
    else if (const auto *groupBox = qstyleoption_cast<const QStyleOptionGroupBox *>(option))
        withCopy(groupBox);
    else if (const auto *bar = qstyleoption_cast<const QStyleOptionProgressBar *>(option))
        withCopy(bar);
    else if (const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option))
        withCopy(button);
    else if (const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option))
        withCopy(frame);
    else if (const auto *focus = qstyleoption_cast<const QStyleOptionFocusRect *>(option))
        withCopy(focus);
    else if (option->type == QStyleOption::SO_Default)
        withCopy(option);
    else
        draw(option);
}

} // namespace

EnabledLookStyle::EnabledLookStyle()
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
}

void EnabledLookStyle::keepLookOf(QWidget *window)
{
    auto *style = new EnabledLookStyle;
    style->setParent(window);
    // A widget's style does not pass to its children.
    window->setStyle(style);
    const QList<QWidget *> controls = window->findChildren<QWidget *>();
    for (QWidget *control : controls)
        control->setStyle(style);
}

void EnabledLookStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                     const QWidget *widget) const
{
    drawEnabled(option, [&](const QStyleOption *shown) { QProxyStyle::drawPrimitive(element, shown, painter, widget); });
}

void EnabledLookStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                   const QWidget *widget) const
{
    drawEnabled(option, [&](const QStyleOption *shown) { QProxyStyle::drawControl(element, shown, painter, widget); });
}

void EnabledLookStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                          QPainter *painter, const QWidget *widget) const
{
    drawEnabled(option, [&](const QStyleOption *shown) {
        QProxyStyle::drawComplexControl(control, static_cast<const QStyleOptionComplex *>(shown), painter, widget);
    });
}

void EnabledLookStyle::drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &palette,
                                    bool enabled, const QString &text, QPalette::ColorRole textRole) const
{
    QPalette colours = palette;
    if (!enabled && colours.currentColorGroup() == QPalette::Disabled)
        colours.setCurrentColorGroup(QPalette::Active);
    QProxyStyle::drawItemText(painter, rect, flags, colours, true, text, textRole);
}

QPixmap EnabledLookStyle::generatedIconPixmap(QIcon::Mode mode, const QPixmap &pixmap,
                                              const QStyleOption *option) const
{
    // A disabled picture keeps its colours.
    if (mode == QIcon::Disabled)
        return pixmap;
    return QProxyStyle::generatedIconPixmap(mode, pixmap, option);
}
