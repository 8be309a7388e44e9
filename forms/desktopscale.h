#pragma once

#include <QFont>
#include <QHash>
#include <QList>
#include <QPixmap>
#include <QRect>
#include <QString>

#include <optional>

class QLabel;
class QWidget;

// How large this desktop draws the windows.
//
// The layouts are fixed in pixels, drawn for desktop text 12 pixels high
// (9 pt at 96 dpi): the size at which every text on them shows whole. On a
// desktop with larger text (a larger font, or more dots to the inch) each
// window grows as a whole, as a layout measured in twips grows with the
// system's text size on the platform the layouts come from: positions,
// sizes, frame lines, pictures and the fonts the layouts set all keep their
// proportion to the desktop's text. Smaller text leaves the layouts as drawn.
//
// A label whose text does not fit its room at the layout's own size is given
// a smaller font, in steps of half a point. That size is worked out on the
// layout as drawn, at the text size it was drawn for, so that the text keeps
// its share of the desktop's text at any scale.
class DesktopScale
{
public:
    // The scale for the desktop text the form inherits, on its screen.
    explicit DesktopScale(const QWidget *form);

    // A length of the layout on this desktop.
    int length(int layoutPixels) const;

    // Scales the form and every widget on it: geometry, frame lines, and each
    // font whose size the layout sets (a point size, or the dynamic property
    // "pointSizeF" where Designer cannot hold a fractional one). Remembers the
    // layout as drawn.
    void applyTo(QWidget *form);

    // Where the layout draws a widget of the form, in the form's coordinates.
    QRect drawnGeometry(const QWidget *widget) const;

    // A picture at its natural size times the scale, sharp on high-density
    // screens. Never cropped or distorted.
    QPixmap picture(const QPixmap &natural) const;

    // Shows a picture that way in a picture control, which takes the
    // picture's size plus its border.
    void showPicture(QLabel *control, const QPixmap &natural) const;

    // A text with the room its label has for it in the layout as drawn.
    struct LabelText
    {
        const QLabel *label;
        QString text;
        QRect room;
    };

    // The largest font from base down (in steps of half a layout point, to
    // 6 layout points) at which every text fits its room, wrapped as its
    // label wraps it; base itself when everything already fits.
    QFont fitting(const QFont &base, const QList<LabelText> &texts) const;

private:
    qreal m_factor = 1.0;
    qreal m_pointFactor = 1.0; // a layout point in this desktop's points
    qreal m_devicePixelRatio = 1.0;
    QHash<const QWidget *, QRect> m_drawn;
};

// The font a label needs for each text it is given and the room it has for
// it: the label's own font where the text fits, else the largest smaller one
// that does. Worked out the first time a text comes, so that start-up measures
// only what it shows.
class FittingFonts
{
public:
    explicit FittingFonts(const DesktopScale &scale);

    // room: in the layout as drawn
    const QFont &fontFor(const QLabel *label, const QString &text, const QRect &room);

private:
    const DesktopScale &m_scale;
    std::optional<QFont> m_labelFont; // the label's font before any fitting
    QHash<QString, QFont> m_fonts; // by room and text
};
