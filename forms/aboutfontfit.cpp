#include "aboutfontfit.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace {

constexpr qreal kSmallestPointSize = 6.0;
constexpr qreal kStep = 0.5;

bool fits(const QFont &font, const QLabel *label)
{
    const QRect area = label->contentsRect();
    int flags = int(label->alignment());
    if (label->wordWrap())
        flags |= Qt::TextWordWrap;
    const QRect needed = QFontMetrics(font).boundingRect(area, flags, label->text());
    // A word longer than the width is not broken: it sticks out sideways.
    return needed.height() <= area.height() && needed.width() <= area.width();
}

} // namespace

QFont fontFittingLabels(const QFont &base, const QList<const QLabel *> &labels)
{
    QFont font = base;
    while (font.pointSizeF() > kSmallestPointSize) {
        const bool allFit = std::all_of(labels.begin(), labels.end(), [&font](const QLabel *label) {
            return fits(font, label);
        });
        if (allFit)
            break;
        font.setPointSizeF(std::max(kSmallestPointSize, font.pointSizeF() - kStep));
    }
    return font;
}
