#pragma once

#include <QRect>
#include <QString>

class ImageList;
class QLabel;
class QPushButton;
class QSlider;
class QWidget;

// What the main window shows, compared with what its four sliders call for
// by the refresh rules, which the advisor's own functions state.
class DisplayCheck
{
public:
    // Takes the pictures' places as the window first shows them: only their
    // widths may change afterwards.
    explicit DisplayCheck(QWidget &frmControl);

    // What disagrees, one line each; empty when the display is right.
    QString mismatches() const;

private:
    QString pictureMismatch(const QLabel &image, const QRect &firstPlace, int twips, int number) const;

    QSlider *m_current;
    QSlider *m_wanted;
    QSlider *m_beforeTint;
    QSlider *m_afterTint;
    QLabel *m_lblCurrent;
    QLabel *m_lblDesired;
    QLabel *m_lblRec;
    QLabel *m_image1;
    QLabel *m_image2;
    QPushButton *m_cmdPreview;
    QWidget *m_window;
    const ImageList *m_imlPenis;
    QRect m_image1Place;
    QRect m_image2Place;
};
