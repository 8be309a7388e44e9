#pragma once

#include <QMessageBox>
#include <QRandomGenerator>
#include <QString>

#include <functional>

class QWidget;

// A user who does anything at all to the window in front: keys, access
// keys, clicks on any control or anywhere, drags of slider thumbs, pointer
// moves, the close box. Every event goes to the window as the window system
// hands it over, so a window that is blocked or disabled takes none.
class RandomUser
{
public:
    enum class Hands { KeyboardAndMouse, KeyboardOnly, MouseOnly };

    RandomUser(quint32 seed, Hands hands);

    void reseed(quint32 seed) { m_random.seed(seed); }
    quint32 draw() { return m_random.generate(); }

    // Does one thing to the window, saying what through `announce` first.
    // Returns how long the next event must wait.
    int act(QWidget &window, const std::function<void(const QString &)> &announce);
    // Does one thing to the window straight after answering a box, before
    // the box's event loop has returned: presses Apply again (a click, or
    // Space as a held key repeats it), or clicks another control, but none
    // that opens a window or ends the session.
    void actRightAfter(QWidget &window, const std::function<void(const QString &)> &announce);
    // How a message box is answered, in MessageBoxDriver's terms: Enter,
    // Escape or a click on one of its buttons. The request to insert is
    // refused once the run has had its share of fills.
    QMessageBox::StandardButton answer(const QMessageBox &box, bool mayFill);

private:
    int below(qsizetype bound) { return bound > 0 ? int(m_random.bounded(int(bound))) : 0; }
    QPoint pointIn(const QRect &area);
    QWidget *anyControl(QWidget &window);

    QRandomGenerator m_random;
    Hands m_hands;
};
