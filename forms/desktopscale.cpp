#include "desktopscale.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// The desktop text the layouts were drawn for: 9 pt at 96 dpi.
constexpr qreal kLayoutTextPixels = 12.0;
constexpr qreal kLayoutDpi = 96.0;

constexpr qreal kFittingStepPoints = 0.5;
constexpr qreal kSmallestFittingPoints = 6.0;
// Text does not grow quite in proportion with its size: where a scaled text
// needs a little more room, it loses no more than that.
constexpr qreal kScaledFittingStepPoints = 0.1;

const char kFractionalPointSize[] = "pointSizeF";

qreal textPixels(const QFont &font, qreal dpi)
{
    return font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * dpi / 72.0;
}

bool fits(const QFontMetrics &metrics, const QLabel *label, const QString &text, const QRect &room)
{
    int flags = int(label->alignment());
    if (label->wordWrap())
        flags |= Qt::TextWordWrap;
    const QRect needed = metrics.boundingRect(room, flags, text);
    // A word longer than the width is not broken: it sticks out sideways.
    return needed.height() <= room.height() && needed.width() <= room.width();
}

// Steps the font down until every text fits its room as `room` gives it.
template<typename Measure, typename Room>
QFont shrunkToFit(QFont font, qreal step, qreal smallest, const QList<DesktopScale::LabelText> &texts,
                  Measure measure, Room room)
{
    while (font.pointSizeF() > smallest) {
        const QFontMetrics metrics = measure(font);
        const bool allFit = std::all_of(texts.begin(), texts.end(), [&](const DesktopScale::LabelText &shown) {
            return fits(metrics, shown.label, shown.text, room(shown));
        });
        if (allFit)
            break;
        font.setPointSizeF(std::max(smallest, font.pointSizeF() - step));
    }
    return font;
}

} // namespace

DesktopScale::DesktopScale(const QWidget *form)
{
    const qreal dpi = form->logicalDpiY();
    m_factor = std::max(1.0, textPixels(form->font(), dpi) / kLayoutTextPixels);
    m_pointFactor = m_factor * kLayoutDpi / dpi;
    m_devicePixelRatio = form->devicePixelRatioF();
}

int DesktopScale::length(int layoutPixels) const
{
    return qRound(layoutPixels * m_factor);
}

void DesktopScale::applyTo(QWidget *form)
{
    QList<QWidget *> widgets = form->findChildren<QWidget *>();
    widgets.prepend(form);
    for (const QWidget *widget : std::as_const(widgets))
        m_drawn.insert(widget, QRect(widget->mapTo(form, QPoint(0, 0)), widget->size()));

    for (QWidget *widget : widgets) {
        const QVariant fractional = widget->property(kFractionalPointSize);
        if (fractional.isValid() || widget->font().resolveMask() & QFont::SizeResolved) {
            QFont font = widget->font();
            const qreal layoutPoints = fractional.isValid() ? fractional.toDouble() : font.pointSizeF();
            font.setPointSizeF(layoutPoints * m_pointFactor);
            widget->setFont(font);
        }
        if (auto *frame = qobject_cast<QFrame *>(widget); frame && frame->frameShape() != QFrame::NoFrame)
            frame->setLineWidth(std::max(1, length(frame->lineWidth())));
        if (m_factor == 1.0)
            continue;
        // Edges rather than sizes, so that controls that touch keep touching.
        const QRect drawn = widget->geometry();
        const QPoint topLeft(length(drawn.left()), length(drawn.top()));
        const QPoint end(length(drawn.left() + drawn.width()), length(drawn.top() + drawn.height()));
        if (widget == form)
            widget->resize(QSize(end.x() - topLeft.x(), end.y() - topLeft.y()));
        else
            widget->setGeometry(QRect(topLeft, end - QPoint(1, 1)));
    }
}

QRect DesktopScale::drawnGeometry(const QWidget *widget) const
{
    return m_drawn.value(widget);
}

QPixmap DesktopScale::picture(const QPixmap &natural) const
{
    if (m_factor == 1.0)
        return natural;
    const QSizeF size = natural.deviceIndependentSize() * m_factor * m_devicePixelRatio;
    QPixmap scaled = natural.scaled(qRound(size.width()), qRound(size.height()), Qt::IgnoreAspectRatio,
                                    Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(m_devicePixelRatio);
    return scaled;
}

void DesktopScale::showPicture(QLabel *control, const QPixmap &natural) const
{
    const QPixmap shown = picture(natural);
    control->setPixmap(shown);
    const int border = control->frameWidth();
    control->resize(shown.deviceIndependentSize().toSize() + QSize(2 * border, 2 * border));
}

QFont DesktopScale::fitting(const QFont &base, const QList<LabelText> &texts) const
{
    // At the text size the layout was drawn for, in the rooms as drawn ...
    QImage layoutScreen(1, 1, QImage::Format_RGB32);
    layoutScreen.setDotsPerMeterX(qRound(kLayoutDpi / 0.0254));
    layoutScreen.setDotsPerMeterY(qRound(kLayoutDpi / 0.0254));
    QFont drawn = base;
    drawn.setPointSizeF(base.pointSizeF() / m_pointFactor);
    drawn = shrunkToFit(
        drawn, kFittingStepPoints, kSmallestFittingPoints, texts,
        [&layoutScreen](const QFont &font) { return QFontMetrics(font, &layoutScreen); },
        [](const DesktopScale::LabelText &shown) { return shown.room; });

    // ... then scaled; and made a little smaller where the desktop's font
    // needs more room at its size than in proportion. A room scaled here may
    // be a pixel larger than the label that holds it.
    QFont font = base;
    font.setPointSizeF(drawn.pointSizeF() * m_pointFactor);
    return shrunkToFit(
        font, kScaledFittingStepPoints, kSmallestFittingPoints * m_pointFactor, texts,
        [](const QFont &f) { return QFontMetrics(f); },
        [this](const DesktopScale::LabelText &shown) {
            const QRect label = shown.label->contentsRect();
            return QRect(0, 0, std::min(length(shown.room.width()), label.width()),
                         std::min(length(shown.room.height()), label.height()));
        });
}

FittingFonts::FittingFonts(const DesktopScale &scale)
    : m_scale(scale)
{
}

const QFont &FittingFonts::fontFor(const QLabel *label, const QString &text, const QRect &room)
{
    if (!m_labelFont)
        m_labelFont = label->font();
    const QString key = QStringLiteral("%1x%2 ").arg(room.width()).arg(room.height()) + text;
    auto known = m_fonts.constFind(key);
    if (known == m_fonts.constEnd())
        known = m_fonts.insert(key, m_scale.fitting(*m_labelFont, {{label, text, room}}));
    return *known;
}
