#pragma once

#include <QFont>
#include <QList>
#include <QString>

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
