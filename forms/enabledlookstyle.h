#pragma once

#include <QProxyStyle>

// Draws a disabled widget as it looks enabled.
//
// The main window is disabled while the progress bar fills: Qt then refuses
// it every input, which is what disabling is for, but also greys it out. On
// the desktop the layouts were drawn for, a disabled window refuses input
// and keeps its look: the pictures in their tints, the captions and sliders
// as they stand, the bar filling in the highlight colour. Given to each
// control of that window, this style keeps that look; the controls still
// report themselves disabled, to the user's input and to screen readers.
class EnabledLookStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // Gives a style of this kind, owned by the window, to the window and
    // every control it holds now; windows it opens later keep the
    // application's style.
    static void keepLookOf(QWidget *window);

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
    void drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &palette, bool enabled,
                      const QString &text, QPalette::ColorRole textRole = QPalette::NoRole) const override;
    QPixmap generatedIconPixmap(QIcon::Mode mode, const QPixmap &pixmap, const QStyleOption *option) const override;

private:
    // Draws as a new instance of the application's style does.
    EnabledLookStyle();
};
