#pragma once

#include "useraction.h"

#include <QPoint>
#include <QRect>
#include <QRandomGenerator>

#include <functional>
#include <vector>

class QMessageBox;
class QSlider;
class QWidget;

// A user who does anything at all: keys, clicks on controls and on empty
// places, drags of slider thumbs, the wheel, the close box. Every event goes
// through the window system to the window given, as real input does; only
// the window the user can reach is given, except for deliberate input to a
// blocked window, which the window system must throw away.
class RandomUser
{
public:
    enum class Hands { KeyboardAndMouse, KeyboardOnly, MouseOnly };

    RandomUser(quint32 seed, Hands hands);
    void reseed(quint32 seed);
    quint32 seedForAnother();

    // Run between the moves of a drag, so that every step of it is checked.
    std::function<void()> betweenMoves;

    UserAction onMainWindow(QWidget &window);
    // The bar fills: single events only, none of which may do anything.
    UserAction onDisabledMainWindow(QWidget &window);
    // trayConfirmable: false once a run has had its share of fills; the tray
    // box is then only cancelled.
    UserAction onMessageBox(QMessageBox &box, bool trayConfirmable);
    UserAction onPreview(QWidget &window);
    UserAction onAbout(QWidget &window);
    // Input for the main window while a modal window blocks it.
    UserAction onBlockedWindow(QWidget &window);

    // Ends a run: the close box of a modal window, Exit on the main window.
    static UserAction closeBox(QWidget &window, UserAction::Outcome outcome);
    static UserAction clickControl(QWidget &window, QWidget &control, UserAction::Outcome outcome);

private:
    enum class Input { Keyboard, Mouse };
    struct Choice
    {
        int weight;
        Input input;
        std::function<UserAction()> make;
    };

    UserAction choose(const std::vector<Choice> &choices);
    int below(int bound);
    QPoint pointIn(const QRect &area);
    QWidget *anyControl(QWidget &window, bool fewerExits);
    QWidget *anyButton(QWidget &window);

    UserAction key(QWidget &window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    UserAction navigationKey(QWidget &window);
    QChar anyLetter(const QString &letters);
    UserAction accessKey(QWidget &window, QChar letter);
    UserAction click(QWidget &window, QPoint at, Qt::MouseButton button = Qt::LeftButton);
    UserAction clickSomewhereOn(QWidget &window, QWidget &control, Qt::MouseButton button = Qt::LeftButton);
    UserAction moveTo(QWidget &window, QPoint at);
    UserAction wheel(QWidget &window, QPoint at);
    UserAction drag(QWidget &window, QSlider &slider);

    UserAction mainKey(QWidget &window);
    UserAction mainClick(QWidget &window, QPoint at);
    UserAction boxKey(QMessageBox &box, int key);
    UserAction boxClick(QMessageBox &box, QPoint at);

    QRandomGenerator m_random;
    Hands m_hands;
};
