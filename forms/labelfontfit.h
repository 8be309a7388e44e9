#pragma once

#include <QFont>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

class QLabel;

// The layouts are fixed in pixels and were drawn for a small dialog font; the
// desktop's default font is often larger, and a long text would then be cut
// off at the bottom of its label.

// A text that a label shows, now or later.
struct LabelText
{
    const QLabel *label;
    QString text;
};

// Each label with the text it shows now.
QList<LabelText> currentTexts(const QList<const QLabel *> &labels);

// The largest point size, from base's down in half points to 6, at which
// every text fits its label's rectangle, wrapped as the label wraps it; base
// itself when everything already fits.
QFont fontFitting(const QFont &base, const QList<LabelText> &texts);

// The font a label needs for each text it is given: its own font where the
// text fits, else the largest smaller one that does. Worked out the first
// time a text comes, so that start-up measures only what it shows.
class FittingFonts
{
public:
    const QFont &fontFor(const QLabel *label, const QString &text);

private:
    std::optional<QFont> m_labelFont; // the label's font before any fitting
    QHash<QString, QFont> m_fonts;
};
