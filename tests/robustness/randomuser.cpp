#include "randomuser.h"

#include "usertexts.h"
#include "windowtesting.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QSlider>
#include <QTest>
#include <QWindow>

#include <iterator>
#include <numeric>

namespace {

const QList<Qt::Key> kKeys{Qt::Key_Up,    Qt::Key_Down,     Qt::Key_Left,  Qt::Key_Right, Qt::Key_PageUp,
                           Qt::Key_PageDown, Qt::Key_Home,  Qt::Key_End,   Qt::Key_Tab,   Qt::Key_Backtab,
                           Qt::Key_Space, Qt::Key_Return,   Qt::Key_Enter, Qt::Key_Escape, Qt::Key_7};

// An access key clicks its button 100 ms later, on a coarse timer.
constexpr int kAccessKeyPauseMs = 150;

QString nameOf(const QObject *object)
{
    return object ? object->objectName() : QStringLiteral("nothing");
}

QString pointText(QPoint at)
{
    return QStringLiteral("(%1,%2)").arg(at.x()).arg(at.y());
}

// The part of a control that shows, in its window's coordinates: a frame
// clips what lies past its edge.
QRect shownArea(const QWidget &window, const QWidget &control)
{
    QRect area(control.mapTo(&window, QPoint(0, 0)), control.size());
    for (const QWidget *parent = control.parentWidget(); parent && parent != &window; parent = parent->parentWidget())
        area &= QRect(parent->mapTo(&window, QPoint(0, 0)), parent->size());
    return area & window.rect();
}

} // namespace

RandomUser::RandomUser(quint32 seed, Hands hands)
    : m_random(seed)
    , m_hands(hands)
{
}

int RandomUser::act(QWidget &window, const std::function<void(const QString &)> &announce)
{
    // Keys and clicks on controls most; the close box least, as on the main
    // window it ends the session. The first two need the keyboard.
    enum Kind { Key, AccessKey, ClickControl, ClickAnywhere, Drag, Move, CloseBox };
    constexpr int kWeights[] = {90, 3, 60, 10, 24, 8, 1};
    int kind = m_hands == Hands::MouseOnly ? ClickControl : Key;
    const int end = m_hands == Hands::KeyboardOnly ? ClickControl : int(std::size(kWeights));
    int pick = below(std::accumulate(kWeights + kind, kWeights + end, 0));
    while (pick >= kWeights[kind])
        pick -= kWeights[kind++];

    QWindow *handle = window.windowHandle();
    const QList<QSlider *> sliders = window.findChildren<QSlider *>();
    switch (Kind(kind)) {
    case Key: {
        const Qt::Key key = kKeys.at(below(kKeys.size()));
        announce(QStringLiteral("key %1 (focus %2)").arg(QKeySequence(key).toString(), nameOf(window.focusWidget())));
        QTest::keyClick(handle, key,
                        key == Qt::Key_Backtab ? Qt::ShiftModifier
                        : key == Qt::Key_Enter ? Qt::KeypadModifier
                                               : Qt::NoModifier);
        return 0;
    }
    case AccessKey: {
        // The letters the window's buttons carry, and one that none does.
        QString letters = QStringLiteral("X");
        const QList<QAbstractButton *> buttons = window.findChildren<QAbstractButton *>();
        for (const QAbstractButton *button : buttons) {
            const qsizetype amp = button->text().indexOf(QLatin1Char('&'));
            if (button->window() == &window && amp >= 0 && amp + 1 < button->text().size())
                letters += button->text().at(amp + 1).toUpper();
        }
        const QChar letter = letters.at(below(letters.size()));
        announce(QStringLiteral("key Alt+") + letter);
        QTest::keyClick(handle, Qt::Key(Qt::Key_A + (letter.unicode() - u'A')), Qt::AltModifier);
        return kAccessKeyPauseMs;
    }
    case ClickControl:
    case ClickAnywhere: {
        const QPoint at = pointIn(kind == ClickAnywhere ? window.rect() : shownArea(window, *anyControl(window)));
        announce(QStringLiteral("click %1 on %2").arg(pointText(at), nameOf(window.childAt(at))));
        QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, at);
        return 0;
    }
    case Drag:
        if (!sliders.isEmpty()) {
            QSlider &slider = *sliders.at(below(sliders.size()));
            const QRect thumb = windowtesting::sliderPart(&slider, QStyle::SC_SliderHandle);
            const QPoint from = slider.mapTo(&window, thumb.center());
            // Anywhere along the slider, now and then well past one of its ends.
            const QRect reach = shownArea(window, slider).adjusted(-60, -60, 60, 60) & window.rect();
            const QPoint to = pointIn(below(3) == 0 ? reach : shownArea(window, slider));
            const int moves = 1 + below(4);
            announce(QStringLiteral("drag %1 from %2 to %3").arg(nameOf(&slider), pointText(from), pointText(to)));
            QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, from);
            for (int move = 1; move <= moves; ++move)
                QTest::mouseMove(handle, from + (to - from) * move / moves);
            QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, to);
            return 0;
        }
        [[fallthrough]];
    case Move: {
        const QPoint at = pointIn(window.rect());
        announce(QStringLiteral("pointer to %1 over %2").arg(pointText(at), nameOf(window.childAt(at))));
        QTest::mouseMove(handle, at);
        return 0;
    }
    case CloseBox:
        announce(QStringLiteral("close box"));
        // QWindow::close() goes through the platform window, as the close box does.
        handle->close();
        return 0;
    }
    Q_UNREACHABLE();
}

void RandomUser::actRightAfter(QWidget &window, const std::function<void(const QString &)> &announce)
{
    QWindow *handle = window.windowHandle();
    const bool key = m_hands == Hands::KeyboardOnly || (m_hands == Hands::KeyboardAndMouse && below(3) == 0);
    if (key) {
        announce(QStringLiteral("key Space at once (focus %1)").arg(nameOf(window.focusWidget())));
        QTest::keyClick(handle, Qt::Key_Space);
        return;
    }
    // Not the buttons that end the session or open a window: the run
    // follows windows opened from its own steps only.
    const QStringList avoided{QStringLiteral("cmdExit"), QStringLiteral("cmdAbout"), QStringLiteral("cmdPreview")};
    QWidget *target = window.findChild<QWidget *>(QStringLiteral("cmdGo"));
    while (below(2) == 0 || avoided.contains(target->objectName()))
        target = anyControl(window);
    const QPoint at = pointIn(shownArea(window, *target));
    announce(QStringLiteral("click %1 on %2 at once").arg(pointText(at), nameOf(window.childAt(at))));
    QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, at);
}

QMessageBox::StandardButton RandomUser::answer(const QMessageBox &box, bool mayFill)
{
    QList<QMessageBox::StandardButton> ways;
    if (m_hands != Hands::MouseOnly)
        ways << QMessageBox::NoButton << QMessageBox::Escape;
    if (m_hands != Hands::KeyboardOnly) {
        const QList<QAbstractButton *> buttons = box.buttons();
        for (QAbstractButton *button : buttons)
            ways << box.standardButton(button);
    }
    // Enter takes the default button, OK.
    if (box.text() == texts::kInsert && !mayFill)
        ways.removeIf([](auto way) { return way == QMessageBox::Ok || way == QMessageBox::NoButton; });
    return ways.at(below(ways.size()));
}

QPoint RandomUser::pointIn(const QRect &area)
{
    return {area.x() + below(area.width()), area.y() + below(area.height())};
}

QWidget *RandomUser::anyControl(QWidget &window)
{
    QList<QWidget *> controls;
    const QList<QWidget *> children = window.findChildren<QWidget *>();
    for (QWidget *child : children) {
        // Owned windows are children too, but not controls.
        if (child->window() == &window && child->isVisibleTo(&window) && !shownArea(window, *child).isEmpty())
            controls << child;
        // Buttons lead to the deeper states: the user tries them more.
        if (qobject_cast<QAbstractButton *>(child) && controls.contains(child))
            controls << child << child;
    }
    QWidget *picked = controls.at(below(controls.size()));
    // Pressed as often as any control, Exit would end sessions too soon to
    // reach the deeper states.
    if (picked->objectName() == QLatin1String("cmdExit") && below(4) != 0)
        picked = controls.at(below(controls.size()));
    return picked;
}
