#include "randomuser.h"

#include "aboutcredits.h"
#include "answers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeySequence>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

namespace {

using Outcome = UserAction::Outcome;

QString nameOf(const QObject *object)
{
    if (!object)
        return QStringLiteral("nothing");
    if (!object->objectName().isEmpty())
        return object->objectName();
    return QLatin1String(object->metaObject()->className());
}

QString pointText(QPoint at)
{
    return QStringLiteral("(%1,%2)").arg(at.x()).arg(at.y());
}

// The named control at a point of a window, or the deepest widget there.
QWidget *controlAt(QWidget &window, QPoint at, const QStringList &names)
{
    QWidget *hit = window.childAt(at);
    for (QWidget *widget = hit; widget && widget != &window; widget = widget->parentWidget()) {
        if (names.contains(widget->objectName()))
            return widget;
    }
    return hit;
}

// The part of a control that shows, in its window's coordinates: a label
// may reach past the frame that clips it, and past the window's edge.
QRect shownArea(const QWidget &window, const QWidget &control)
{
    QRect area(control.mapTo(&window, QPoint(0, 0)), control.size());
    for (const QWidget *parent = control.parentWidget(); parent && parent != &window; parent = parent->parentWidget())
        area &= QRect(parent->mapTo(&window, QPoint(0, 0)), parent->size());
    return area & window.rect();
}

// Where a slider draws its thumb, as QSlider itself describes it to the style.
QRect thumbOf(const QSlider &slider)
{
    QStyleOptionSlider option;
    option.initFrom(&slider);
    option.subControls = QStyle::SC_None;
    option.activeSubControls = QStyle::SC_None;
    option.orientation = slider.orientation();
    option.minimum = slider.minimum();
    option.maximum = slider.maximum();
    option.tickPosition = slider.tickPosition();
    option.tickInterval = slider.tickInterval();
    option.upsideDown = slider.orientation() == Qt::Horizontal
                            ? slider.invertedAppearance() != (option.direction == Qt::RightToLeft)
                            : !slider.invertedAppearance();
    option.sliderPosition = slider.sliderPosition();
    option.sliderValue = slider.value();
    option.singleStep = slider.singleStep();
    option.pageStep = slider.pageStep();
    if (slider.orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    return slider.style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider);
}

// Escape and the close box give the box's way out: Cancel where there is
// one, No for a question, OK for a notice.
std::optional<advisor::Answer> wayOutOf(const QMessageBox &box)
{
    const QMessageBox::StandardButtons buttons = box.standardButtons();
    if (buttons.testFlag(QMessageBox::Cancel))
        return advisor::Answer::Cancel;
    if (buttons.testFlag(QMessageBox::No))
        return advisor::Answer::No;
    if (buttons == QMessageBox::Ok)
        return advisor::Answer::Ok;
    return std::nullopt;
}

QAbstractButton *focusedButton(const QMessageBox &box)
{
    auto *focused = qobject_cast<QAbstractButton *>(box.focusWidget());
    return box.buttons().contains(focused) ? focused : nullptr;
}

const QList<int> kNavigationKeys{Qt::Key_Up,  Qt::Key_Down, Qt::Key_Left, Qt::Key_Right,  Qt::Key_PageUp,
                                 Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End, Qt::Key_Tab, Qt::Key_Backtab};
const QList<int> kPressKeys{Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space};
const QStringList kMainButtons{QStringLiteral("cmdExit"), QStringLiteral("cmdReset"), QStringLiteral("cmdPreview"),
                               QStringLiteral("cmdAbout"), QStringLiteral("cmdGo")};

// What pressing one of the main window's buttons must lead to, as far as it
// shows at once.
Outcome outcomeOfPressing(const QWidget *control)
{
    const QString name = nameOf(control);
    if (name == QLatin1String("cmdExit"))
        return Outcome::ApplicationEnds;
    if (name == QLatin1String("cmdReset"))
        return Outcome::SlidersReset;
    if (name == QLatin1String("cmdPreview"))
        return Outcome::PreviewOpens;
    if (name == QLatin1String("cmdAbout"))
        return Outcome::AboutOpens;
    return Outcome::Unknown;
}

// The action, with what must follow it.
UserAction expecting(UserAction action, Outcome outcome)
{
    action.outcome = outcome;
    return action;
}

} // namespace

RandomUser::RandomUser(quint32 seed, Hands hands)
    : m_random(seed)
    , m_hands(hands)
{
}

void RandomUser::reseed(quint32 seed)
{
    m_random.seed(seed);
}

quint32 RandomUser::seedForAnother()
{
    return m_random.generate();
}

int RandomUser::below(int bound)
{
    return bound > 0 ? static_cast<int>(m_random.bounded(bound)) : 0;
}

QPoint RandomUser::pointIn(const QRect &area)
{
    return {area.x() + below(area.width()), area.y() + below(area.height())};
}

UserAction RandomUser::choose(const std::vector<Choice> &choices)
{
    const auto usable = [this](Input input) {
        return m_hands == Hands::KeyboardAndMouse || (input == Input::Keyboard) == (m_hands == Hands::KeyboardOnly);
    };
    int total = 0;
    for (const Choice &choice : choices)
        total += usable(choice.input) ? choice.weight : 0;
    Q_ASSERT(total > 0);
    int pick = below(total);
    for (const Choice &choice : choices) {
        if (!usable(choice.input))
            continue;
        if (pick < choice.weight)
            return choice.make();
        pick -= choice.weight;
    }
    Q_UNREACHABLE();
}

QWidget *RandomUser::anyControl(QWidget &window, bool fewerExits)
{
    QList<QWidget *> controls;
    const QList<QWidget *> children = window.findChildren<QWidget *>();
    for (QWidget *child : children) {
        // Modal windows are children of their owner too, but not its controls.
        if (child->window() == &window && child->isVisibleTo(&window))
            controls << child;
    }
    QWidget *picked = controls.at(below(static_cast<int>(controls.size())));
    // Exit ends the session: pressed as often as any other control, sessions
    // would be too short to reach the deeper states.
    if (fewerExits && picked->objectName() == QLatin1String("cmdExit") && below(4) != 0)
        picked = controls.at(below(static_cast<int>(controls.size())));
    return picked;
}

QWidget *RandomUser::anyButton(QWidget &window)
{
    // Apply most, for the deepest states; Exit least, as it ends them.
    static const QList<QPair<QString, int>> kWeights{{QStringLiteral("cmdGo"), 5},    {QStringLiteral("cmdPreview"), 3},
                                                     {QStringLiteral("cmdAbout"), 2}, {QStringLiteral("cmdReset"), 2},
                                                     {QStringLiteral("cmdExit"), 1}};
    QList<QWidget *> buttons;
    for (const auto &[name, weight] : kWeights) {
        auto *button = window.findChild<QWidget *>(name);
        for (int share = 0; share < weight && button->isVisibleTo(&window); ++share)
            buttons << button;
    }
    return buttons.at(below(static_cast<int>(buttons.size())));
}

UserAction RandomUser::key(QWidget &window, int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_Backtab)
        modifiers |= Qt::ShiftModifier;
    if (key == Qt::Key_Enter)
        modifiers |= Qt::KeypadModifier;
    UserAction action;
    action.kind = modifiers.testFlag(Qt::AltModifier) ? QStringLiteral("access keys") : QStringLiteral("keys");
    action.description = QStringLiteral("key %1 (focus %2)")
                             .arg(QKeySequence(QKeyCombination(modifiers, Qt::Key(key))).toString(), nameOf(window.focusWidget()));
    QPointer<QWindow> handle = window.windowHandle();
    action.perform = [handle, key, modifiers] {
        if (handle)
            QTest::keyClick(handle, Qt::Key(key), modifiers);
    };
    return action;
}

UserAction RandomUser::navigationKey(QWidget &window)
{
    return key(window, kNavigationKeys.at(below(static_cast<int>(kNavigationKeys.size()))));
}

QChar RandomUser::anyLetter(const QString &letters)
{
    // One letter that nothing uses, now and then.
    const QString choices = letters + QLatin1Char('X');
    return choices.at(below(static_cast<int>(choices.size())));
}

UserAction RandomUser::accessKey(QWidget &window, QChar letter)
{
    UserAction action = key(window, Qt::Key_A + (letter.unicode() - u'A'), Qt::AltModifier);
    // Only a letter that one shown button carries clicks anything; two
    // buttons with the same letter share the focus instead.
    int carriers = 0;
    const QList<QAbstractButton *> buttons = window.findChildren<QAbstractButton *>();
    for (const QAbstractButton *button : buttons) {
        if (button->isVisibleTo(&window) && button->text().contains(QStringLiteral("&") + letter, Qt::CaseInsensitive))
            ++carriers;
    }
    action.delayed = carriers == 1;
    return action;
}

UserAction RandomUser::click(QWidget &window, QPoint at, Qt::MouseButton button)
{
    UserAction action;
    action.kind = QStringLiteral("clicks");
    action.description = QStringLiteral("%1 click %2 on %3")
                             .arg(button == Qt::LeftButton ? QStringLiteral("left") : QStringLiteral("right"),
                                  pointText(at), nameOf(window.childAt(at)));
    QPointer<QWindow> handle = window.windowHandle();
    action.perform = [handle, at, button] {
        if (handle)
            QTest::mouseClick(handle, button, Qt::NoModifier, at);
    };
    return action;
}

UserAction RandomUser::clickSomewhereOn(QWidget &window, QWidget &control, Qt::MouseButton button)
{
    return click(window, pointIn(shownArea(window, control)), button);
}

UserAction RandomUser::clickControl(QWidget &window, QWidget &control, Outcome outcome)
{
    const QPoint at = control.mapTo(&window, control.rect().center());
    UserAction action;
    action.kind = QStringLiteral("clicks");
    action.description = QStringLiteral("left click %1 on %2").arg(pointText(at), nameOf(&control));
    QPointer<QWindow> handle = window.windowHandle();
    action.perform = [handle, at] {
        if (handle)
            QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, at);
    };
    action.outcome = outcome;
    return action;
}

UserAction RandomUser::moveTo(QWidget &window, QPoint at)
{
    UserAction action;
    action.kind = QStringLiteral("pointer moves");
    action.description = QStringLiteral("pointer to %1 over %2").arg(pointText(at), nameOf(window.childAt(at)));
    QPointer<QWindow> handle = window.windowHandle();
    action.perform = [handle, at] {
        if (handle)
            QTest::mouseMove(handle, at);
    };
    return action;
}

UserAction RandomUser::wheel(QWidget &window, QPoint at)
{
    static const QList<int> kDeltas{-240, -120, 120, 240};
    const int delta = kDeltas.at(below(static_cast<int>(kDeltas.size())));
    UserAction action;
    action.kind = QStringLiteral("wheel turns");
    action.description = QStringLiteral("wheel %1 at %2 over %3").arg(delta).arg(pointText(at), nameOf(window.childAt(at)));
    QPointer<QWindow> handle = window.windowHandle();
    action.perform = [handle, at, delta] {
        if (!handle)
            return;
        // No QTest function turns the wheel: the event goes to the window as
        // the window system hands it over, and the window finds its target.
        QWheelEvent turn(at, handle->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                         Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(handle, &turn);
    };
    return action;
}

UserAction RandomUser::drag(QWidget &window, QSlider &slider)
{
    const QPoint from = slider.mapTo(&window, thumbOf(slider).center());
    // Anywhere along the slider, and often past one of its ends: the
    // extreme sizes are where the rules change most.
    const QRect reach = slider.rect().adjusted(-12, -12, 12, 12);
    QPoint to = slider.mapTo(&window, pointIn(reach));
    if (below(3) == 0) {
        const bool far = below(2) == 0;
        if (slider.orientation() == Qt::Vertical)
            to.setY(slider.mapTo(&window, far ? reach.bottomLeft() : reach.topLeft()).y());
        else
            to.setX(slider.mapTo(&window, far ? reach.topRight() : reach.topLeft()).x());
    }
    to.setX(qBound(0, to.x(), window.width() - 1));
    to.setY(qBound(0, to.y(), window.height() - 1));
    const int moves = 1 + below(6);

    UserAction action;
    action.kind = QStringLiteral("drags");
    action.description = QStringLiteral("drag the %1 thumb from %2 to %3 in %4 moves")
                             .arg(nameOf(&slider), pointText(from), pointText(to))
                             .arg(moves);
    QPointer<QWindow> handle = window.windowHandle();
    std::function<void()> between = betweenMoves;
    action.perform = [handle, from, to, moves, between] {
        if (!handle)
            return;
        QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, from);
        for (int move = 1; move <= moves && handle; ++move) {
            QTest::mouseMove(handle, from + (to - from) * move / moves);
            if (between)
                between();
        }
        if (handle)
            QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, to);
    };
    return action;
}

UserAction RandomUser::closeBox(QWidget &window, Outcome outcome)
{
    UserAction action;
    action.kind = QStringLiteral("close boxes");
    action.description = QStringLiteral("close box");
    QPointer<QWindow> handle = window.windowHandle();
    action.perform = [handle] {
        // The window system's close request: QWindow::close() goes through
        // the platform window, as the close box does.
        if (handle)
            handle->close();
    };
    action.outcome = outcome;
    return action;
}

UserAction RandomUser::mainKey(QWidget &window)
{
    static const QList<int> kLetters{Qt::Key_A, Qt::Key_E, Qt::Key_P, Qt::Key_R, Qt::Key_7};
    const int which = below(20);
    int pressed;
    if (which < 12)
        pressed = kNavigationKeys.at(below(static_cast<int>(kNavigationKeys.size())));
    else if (which < 17)
        pressed = kPressKeys.at(below(static_cast<int>(kPressKeys.size())));
    else if (which < 19)
        pressed = Qt::Key_Escape;
    else
        pressed = kLetters.at(below(static_cast<int>(kLetters.size())));

    UserAction action = key(window, pressed);
    // Escape presses Reset, the window's cancel button.
    if (pressed == Qt::Key_Escape)
        action.outcome = Outcome::SlidersReset;
    else if (kPressKeys.contains(pressed))
        action.outcome = outcomeOfPressing(window.focusWidget());
    return action;
}

UserAction RandomUser::mainClick(QWidget &window, QPoint at)
{
    UserAction action = click(window, at);
    action.outcome = outcomeOfPressing(controlAt(window, at, kMainButtons));
    return action;
}

UserAction RandomUser::onMainWindow(QWidget &window)
{
    const auto sliders = window.findChildren<QSlider *>();
    return choose({
        {400, Input::Keyboard, [&] { return mainKey(window); }},
        {30, Input::Keyboard,
         [&] {
             const QChar letter = anyLetter(QStringLiteral("PAREX"));
             UserAction action = accessKey(window, letter);
             const auto *preview = window.findChild<QWidget *>(QStringLiteral("cmdPreview"));
             // A and A: Apply and About share the letter, which only moves the focus.
             if (letter == u'E')
                 action.outcome = Outcome::ApplicationEnds;
             else if (letter == u'R')
                 action.outcome = Outcome::SlidersReset;
             else if (letter == u'P' && preview->isVisibleTo(&window))
                 action.outcome = Outcome::PreviewOpens;
             return action;
         }},
        {230, Input::Mouse,
         [&] {
             return mainClick(window, pointIn(shownArea(window, *anyControl(window, true))));
         }},
        {60, Input::Mouse, [&] { return mainClick(window, pointIn(shownArea(window, *anyButton(window)))); }},
        {70, Input::Mouse, [&] { return mainClick(window, pointIn(window.rect())); }},
        {20, Input::Mouse, [&] { return clickSomewhereOn(window, *anyControl(window, true), Qt::RightButton); }},
        {130, Input::Mouse, [&] { return drag(window, *sliders.at(below(static_cast<int>(sliders.size())))); }},
        {35, Input::Mouse,
         [&] {
             QSlider *slider = sliders.at(below(static_cast<int>(sliders.size())));
             return wheel(window, pointIn(shownArea(window, *slider)));
         }},
        {35, Input::Mouse, [&] { return wheel(window, pointIn(window.rect())); }},
        {40, Input::Mouse, [&] { return moveTo(window, pointIn(window.rect())); }},
        {3, Input::Mouse, [&] { return closeBox(window, Outcome::ApplicationEnds); }},
    });
}

UserAction RandomUser::onDisabledMainWindow(QWidget &window)
{
    // Nothing here may act, so nothing is predicted beyond that: the
    // watchers catch a slider that moves, a box or Exit.
    UserAction action = choose({
        {350, Input::Keyboard, [&] { return mainKey(window); }},
        {100, Input::Keyboard,
         [&] {
             UserAction action = accessKey(window, anyLetter(QStringLiteral("PAREX")));
             action.delayed = false;
             return action;
         }},
        {250, Input::Mouse, [&] { return clickSomewhereOn(window, *anyControl(window, false)); }},
        {100, Input::Mouse, [&] { return click(window, pointIn(window.rect())); }},
        {80, Input::Mouse, [&] { return wheel(window, pointIn(window.rect())); }},
        {70, Input::Mouse, [&] { return closeBox(window, Outcome::WindowStays); }},
    });
    if (action.outcome != Outcome::WindowStays)
        action.outcome = Outcome::Unknown;
    return action;
}

UserAction RandomUser::onBlockedWindow(QWidget &window)
{
    UserAction action = choose({
        {1, Input::Keyboard, [&] { return mainKey(window); }},
        {1, Input::Keyboard, [&] { return accessKey(window, anyLetter(QStringLiteral("PAREX"))); }},
        {2, Input::Mouse, [&] { return clickSomewhereOn(window, *anyControl(window, false)); }},
    });
    action.description = QStringLiteral("input for the blocked frmControl: ") + action.description;
    action.kind = QStringLiteral("inputs for a blocked window");
    action.outcome = Outcome::NothingHappens;
    action.delayed = false;
    return action;
}

UserAction RandomUser::boxKey(QMessageBox &box, int pressed)
{
    UserAction action = key(box, pressed);
    QAbstractButton *focused = focusedButton(box);
    std::optional<advisor::Answer> answer;
    if (pressed == Qt::Key_Escape) {
        answer = wayOutOf(box);
    } else if (pressed == Qt::Key_Return || pressed == Qt::Key_Enter) {
        // The focused button, or the default one.
        QAbstractButton *pressedButton = focused ? focused : box.defaultButton();
        if (pressedButton)
            answer = answers::answerOf(box.standardButton(pressedButton));
    } else if (pressed == Qt::Key_Space && focused) {
        answer = answers::answerOf(box.standardButton(focused));
    }
    action.answer = answer;
    action.outcome = answer ? Outcome::WindowCloses : Outcome::WindowStays;
    return action;
}

UserAction RandomUser::boxClick(QMessageBox &box, QPoint at)
{
    UserAction action = click(box, at);
    for (QWidget *hit = box.childAt(at); hit && hit != &box; hit = hit->parentWidget()) {
        if (auto *button = qobject_cast<QAbstractButton *>(hit); button && box.buttons().contains(button)) {
            action.answer = answers::answerOf(box.standardButton(button));
            break;
        }
    }
    action.outcome = action.answer ? Outcome::WindowCloses : Outcome::WindowStays;
    return action;
}

UserAction RandomUser::onMessageBox(QMessageBox &box, bool trayConfirmable)
{
    QWidget *blocked = box.parentWidget();
    const auto closing = [&] {
        UserAction action = closeBox(box, Outcome::WindowCloses);
        action.answer = wayOutOf(box);
        return action;
    };
    const auto clickingButton = [&](QAbstractButton &button) {
        return boxClick(box, pointIn(shownArea(box, button)));
    };

    if (!trayConfirmable && box.button(QMessageBox::Cancel)) {
        return choose({
            {1, Input::Mouse, [&] { return clickingButton(*box.button(QMessageBox::Cancel)); }},
            {1, Input::Keyboard, [&] { return boxKey(box, Qt::Key_Escape); }},
            {1, Input::Mouse, closing},
        });
    }

    const QList<QAbstractButton *> buttons = box.buttons();
    return choose({
        {300, Input::Mouse, [&] { return clickingButton(*buttons.at(below(static_cast<int>(buttons.size())))); }},
        {120, Input::Keyboard, [&] { return boxKey(box, Qt::Key_Return); }},
        {40, Input::Keyboard, [&] { return boxKey(box, Qt::Key_Enter); }},
        {120, Input::Keyboard, [&] { return boxKey(box, Qt::Key_Escape); }},
        {70, Input::Keyboard, [&] { return boxKey(box, Qt::Key_Space); }},
        {100, Input::Keyboard,
         [&] { return boxKey(box, kNavigationKeys.at(below(static_cast<int>(kNavigationKeys.size())))); }},
        {40, Input::Keyboard, [&] { return accessKey(box, anyLetter(QStringLiteral("YNOC"))); }},
        {100, Input::Mouse, closing},
        {80, Input::Mouse, [&] { return boxClick(box, pointIn(box.rect())); }},
        {20, Input::Mouse,
         [&] {
             QWidget &button = *buttons.at(below(static_cast<int>(buttons.size())));
             return expecting(clickSomewhereOn(box, button, Qt::RightButton), Outcome::WindowStays);
         }},
        {25, Input::Keyboard, [&] { return onBlockedWindow(*blocked); }},
        {25, Input::Mouse, [&] { return onBlockedWindow(*blocked); }},
    });
}

UserAction RandomUser::onPreview(QWidget &window)
{
    QWidget *blocked = window.parentWidget();
    auto *cmdClose = window.findChild<QPushButton *>(QStringLiteral("cmdClose"));
    const auto pressing = [&](int pressed) {
        UserAction action = key(window, pressed);
        // Enter and Space act on the focused button; there is no other.
        action.outcome = window.focusWidget() == cmdClose ? Outcome::WindowCloses : Outcome::WindowStays;
        return action;
    };
    return choose({
        {250, Input::Mouse,
         [&] { return expecting(clickSomewhereOn(window, *cmdClose), Outcome::WindowCloses); }},
        {150, Input::Keyboard, [&] { return pressing(kPressKeys.at(below(static_cast<int>(kPressKeys.size())))); }},
        // No cancel button: Escape closes nothing.
        {120, Input::Keyboard,
         [&] { return expecting(key(window, Qt::Key_Escape), Outcome::WindowStays); }},
        {100, Input::Keyboard,
         [&] { return expecting(navigationKey(window), Outcome::WindowStays); }},
        {20, Input::Keyboard, [&] { return accessKey(window, anyLetter(QStringLiteral("CF"))); }},
        {120, Input::Mouse, [&] { return closeBox(window, Outcome::WindowCloses); }},
        {100, Input::Mouse,
         [&] {
             const QPoint at = pointIn(window.rect());
             UserAction action = click(window, at);
             action.outcome = window.childAt(at) == cmdClose ? Outcome::WindowCloses : Outcome::WindowStays;
             return action;
         }},
        {60, Input::Mouse,
         [&] { return expecting(moveTo(window, pointIn(window.rect())), Outcome::WindowStays); }},
        {30, Input::Keyboard, [&] { return onBlockedWindow(*blocked); }},
        {30, Input::Mouse, [&] { return onBlockedWindow(*blocked); }},
    });
}

UserAction RandomUser::onAbout(QWidget &window)
{
    QWidget *blocked = window.parentWidget();
    auto *cmdOK = window.findChild<QPushButton *>(QStringLiteral("cmdOK"));
    const QList<QWidget *> links{window.findChild<QWidget *>(QStringLiteral("Label4")),
                                 window.findChild<QWidget *>(QStringLiteral("Label5"))};
    // A left click opens the link under the pointer and leaves the window
    // open; OK closes it.
    const auto clickingAt = [&](QPoint at, Qt::MouseButton button) {
        UserAction action = click(window, at, button);
        const QWidget *hit = window.childAt(at);
        action.outcome = button == Qt::LeftButton && hit == cmdOK ? Outcome::WindowCloses : Outcome::WindowStays;
        action.link = QString();
        if (button == Qt::LeftButton && hit == links.at(0))
            action.link = about::mailTarget();
        if (button == Qt::LeftButton && hit == links.at(1))
            action.link = about::website();
        return action;
    };
    return choose({
        {200, Input::Mouse,
         [&] {
             UserAction action = clickSomewhereOn(window, *cmdOK);
             action.outcome = Outcome::WindowCloses;
             action.link = QString();
             return action;
         }},
        // OK is both the default and the cancel button.
        {100, Input::Keyboard,
         [&] { return expecting(key(window, below(2) == 0 ? Qt::Key_Return : Qt::Key_Enter), Outcome::WindowCloses); }},
        {100, Input::Keyboard,
         [&] { return expecting(key(window, Qt::Key_Escape), Outcome::WindowCloses); }},
        {60, Input::Keyboard,
         [&] {
             UserAction action = key(window, Qt::Key_Space);
             action.outcome = window.focusWidget() == cmdOK ? Outcome::WindowCloses : Outcome::WindowStays;
             return action;
         }},
        {100, Input::Keyboard,
         [&] { return expecting(navigationKey(window), Outcome::WindowStays); }},
        {100, Input::Mouse, [&] { return closeBox(window, Outcome::WindowCloses); }},
        {200, Input::Mouse,
         [&] {
             QWidget *link = links.at(below(2));
             return clickingAt(pointIn(shownArea(window, *link)), Qt::LeftButton);
         }},
        {80, Input::Mouse, [&] { return clickingAt(pointIn(window.rect()), Qt::LeftButton); }},
        {30, Input::Mouse,
         [&] {
             QWidget *link = links.at(below(2));
             return clickingAt(pointIn(shownArea(window, *link)), Qt::RightButton);
         }},
        {120, Input::Mouse,
         [&] { return expecting(moveTo(window, pointIn(window.rect())), Outcome::WindowStays); }},
        {30, Input::Keyboard, [&] { return onBlockedWindow(*blocked); }},
        {30, Input::Mouse, [&] { return onBlockedWindow(*blocked); }},
    });
}
