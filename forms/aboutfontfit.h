#pragma once

#include <QFont>
#include <QList>

class QLabel;

// The About window's layout is fixed in pixels and was drawn for a small
// dialog font; the desktop's default font is often larger, and the end of
// the description would then be cut off at the bottom of its label.
//
// Gives the largest point size, from base's down in half points to 6, at
// which the text of every label fits its rectangle, wrapped as the label
// wraps it; base itself when it already fits.
QFont fontFittingLabels(const QFont &base, const QList<const QLabel *> &labels);
