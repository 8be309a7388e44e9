#include "labelfontfit.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace {

constexpr qreal kSmallestPointSize = 6.0;
constexpr qreal kStep = 0.5;

bool fits(const QFont &font, const LabelText &shown)
{
    const QRect area = shown.label->contentsRect();
    int flags = int(shown.label->alignment());
    if (shown.label->wordWrap())
        flags |= Qt::TextWordWrap;
    const QRect needed = QFontMetrics(font).boundingRect(area, flags, shown.text);
    // A word longer than the width is not broken: it sticks out sideways.
    return needed.height() <= area.height() && needed.width() <= area.width();
}

} // namespace

QList<LabelText> currentTexts(const QList<const QLabel *> &labels)
{
    QList<LabelText> texts;
    texts.reserve(labels.size());
    for (const QLabel *label : labels)
        texts.append({label, label->text()});
    return texts;
}

QFont fontFitting(const QFont &base, const QList<LabelText> &texts)
{
    QFont font = base;
    while (font.pointSizeF() > kSmallestPointSize) {
        const bool allFit = std::all_of(texts.begin(), texts.end(), [&font](const LabelText &shown) {
            return fits(font, shown);
        });
        if (allFit)
            break;
        font.setPointSizeF(std::max(kSmallestPointSize, font.pointSizeF() - kStep));
    }
    return font;
}

const QFont &FittingFonts::fontFor(const QLabel *label, const QString &text)
{
    if (!m_labelFont)
        m_labelFont = label->font();
    auto known = m_fonts.constFind(text);
    if (known == m_fonts.constEnd())
        known = m_fonts.insert(text, fontFitting(*m_labelFont, {{label, text}}));
    return *known;
}
