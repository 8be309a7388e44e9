#pragma once

#include <QRect>

class QSlider;

namespace bench {

// Where the slider draws its thumb when it shows value, in the slider's own
// coordinates: the place a user grabs.
QRect sliderThumbRect(const QSlider *slider, int value);

// A drag of a slider's thumb with the left button, through the window's
// own input path as a real mouse would send it. The press lands on the
// thumb as the slider shows it now; the release comes with the end of the
// drag's lifetime.
class ThumbDrag
{
public:
    explicit ThumbDrag(QSlider *slider);
    ~ThumbDrag();

    ThumbDrag(const ThumbDrag &) = delete;
    ThumbDrag &operator=(const ThumbDrag &) = delete;

    // Moves the pointer to where the thumb's centre shows value, then lets
    // the application handle what follows, paints included.
    void moveTo(int value);

private:
    QPoint windowPoint(int value) const;

    QSlider *m_slider;
};

} // namespace bench
