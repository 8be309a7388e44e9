#pragma once

#include <QColor>
#include <QList>

class QFont;

// Text colours that stay readable whatever the desktop's palette.

// How far apart two colours are for the eye: the contrast ratio of the web
// accessibility guidelines, from 1 (the same) to 21 (black on white).
qreal contrastRatio(const QColor &a, const QColor &b);

// The first candidate that stands out enough from the background for text in
// that font (4.5:1, or 3:1 for large text), or the one that stands out most
// when none does.
QColor readableColour(const QList<QColor> &candidates, const QColor &background, const QFont &font);
