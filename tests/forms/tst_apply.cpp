#include "mainwindowundertest.h"
#include "messageboxdriver.h"
#include "usertexts.h"
#include "windowtesting.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <memory>

using Button = QMessageBox::StandardButton;
using Buttons = QList<QMessageBox::StandardButton>;

using Commands = QStringList;
using namespace texts;

namespace {
const QString kTrayOpen = QStringLiteral("open");
const QString kTrayClose = QStringLiteral("close");
} // namespace

class tst_Apply : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void boxesAndTray_data();
    void boxesAndTray();
    void fillRunsWithTheWindowDisabledAndEndsWithOneSuccessBox();
    void disabledWindowTakesNoInputAndCannotBeClosed();
    void fillKeepsTheWindowsLook();
    void applyAgainAfterSuccessRunsAgain();
    void applyClickedAsABoxClosesStartsNothing_data();
    void applyClickedAsABoxClosesStartsNothing();

private:
    template<typename T>
    T *child(const char *name) const
    {
        return windowtesting::control<T>(m_window, name);
    }
    void press(const char *slider, Qt::Key key, int times);
    void verifyLook(const MessageBoxDriver::Shown &box) const;
    QList<int> sliderValues() const;
    void clickApply();
    void waitUntilIdle();

    std::unique_ptr<MainWindowUnderTest> m_main;
    FrmControl *m_window = nullptr;
    std::unique_ptr<MessageBoxDriver> m_boxes;
    QList<bool> m_enabledAtCommand;
};

void tst_Apply::init()
{
    m_enabledAtCommand.clear();
    m_main = std::make_unique<MainWindowUnderTest>();
    m_window = &m_main->window;
    m_main->tray.onCommand = [this](const QString &) { m_enabledAtCommand << m_window->isEnabled(); };
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_boxes = std::make_unique<MessageBoxDriver>();
}

void tst_Apply::cleanup()
{
    m_boxes.reset();
    m_main.reset();
}

void tst_Apply::press(const char *slider, Qt::Key key, int times)
{
    auto *target = child<QSlider>(slider);
    target->setFocus();
    for (int i = 0; i < times; ++i)
        QTest::keyClick(target, key);
}

void tst_Apply::clickApply()
{
    // The click returns once the sequence has stopped asking; a started fill
    // goes on in the event loop.
    QTest::mouseClick(child<QPushButton>("cmdGo"), Qt::LeftButton);
}

void tst_Apply::waitUntilIdle()
{
    QTRY_VERIFY_WITH_TIMEOUT(m_window->isEnabled() && !QApplication::activeModalWidget(), 5000);
}

void tst_Apply::boxesAndTray_data()
{
    QTest::addColumn<QString>("slider");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("presses");
    QTest::addColumn<Buttons>("answers");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<Commands>("commands");

    QTest::newRow("defaults: only the nothing-changed notice")
        << "sldCurrent" << int(Qt::Key_Down) << 0 << Buttons{Button::NoButton} << QStringList{kNothingChanged}
        << Commands{};
    QTest::newRow("reduction: No, no tray") << "sldWanted" << int(Qt::Key_Up) << 1 << Buttons{Button::No}
                                            << QStringList{kReduce} << Commands{};
    QTest::newRow("reduction: Yes by Enter goes to the tray, Cancel there")
        << "sldWanted" << int(Qt::Key_Up) << 1 << Buttons{Button::NoButton, Button::Cancel}
        << QStringList{kReduce, kInsert} << Commands{kTrayOpen};
    QTest::newRow("increase of 4: no question") << "sldWanted" << int(Qt::Key_Down) << 4 << Buttons{Button::Cancel}
                                                << QStringList{kInsert} << Commands{kTrayOpen};
    QTest::newRow("increase of 5: the fatal question, No")
        << "sldWanted" << int(Qt::Key_Down) << 5 << Buttons{Button::No} << QStringList{kFatal} << Commands{};
    QTest::newRow("tint alone: straight to the tray, Escape cancels")
        << "sldCol2" << int(Qt::Key_Right) << 1 << Buttons{Button::Escape} << QStringList{kInsert}
        << Commands{kTrayOpen};
}

void tst_Apply::boxesAndTray()
{
    QFETCH(QString, slider);
    QFETCH(int, key);
    QFETCH(int, presses);
    QFETCH(Buttons, answers);
    QFETCH(QStringList, texts);
    QFETCH(Commands, commands);

    press(slider.toLatin1().constData(), Qt::Key(key), presses);
    const QList<int> slidersBefore = sliderValues();
    m_boxes->answers = answers;
    clickApply();
    waitUntilIdle();

    QCOMPARE(m_boxes->texts(), texts);
    QVERIFY(m_boxes->answers.isEmpty());
    QCOMPARE(m_main->tray.commands, commands);
    for (const MessageBoxDriver::Shown &box : std::as_const(m_boxes->shown))
        verifyLook(box);
    // Stopped before the fill: nothing changed but, maybe, the tray.
    QCOMPARE(child<QProgressBar>("prgApply")->value(), 0);
    QVERIFY(m_window->isEnabled());
    QCOMPARE(sliderValues(), slidersBefore);
}

void tst_Apply::verifyLook(const MessageBoxDriver::Shown &box) const
{
    struct Look
    {
        QString title;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        Button defaultButton;
    };
    const QHash<QString, Look> looks{
        {kNothingChanged, {kTitle, QMessageBox::Information, Button::Ok, Button::Ok}},
        {kReduce, {kReduceTitle, QMessageBox::Warning, Button::Yes | Button::No, Button::Yes}},
        {kFatal, {kTitle, QMessageBox::Warning, Button::Yes | Button::No, Button::Yes}},
        {kInsert, {kTitle, QMessageBox::Information, Button::Ok | Button::Cancel, Button::Ok}},
        {kSuccess, {kTitle, QMessageBox::Information, Button::Ok, Button::Ok}},
    };
    QVERIFY2(looks.contains(box.text), qPrintable(box.text));
    const Look &look = looks[box.text];
    QCOMPARE(box.title, look.title);
    QCOMPARE(box.icon, look.icon);
    QCOMPARE(box.buttons, look.buttons);
    QCOMPARE(box.defaultButton, look.defaultButton);
    QCOMPARE(box.owner, m_window);
    QVERIFY(box.modal);
}

QList<int> tst_Apply::sliderValues() const
{
    return {child<QSlider>("sldCurrent")->value(), child<QSlider>("sldWanted")->value(),
            child<QSlider>("sldCol1")->value(), child<QSlider>("sldCol2")->value()};
}

void tst_Apply::fillRunsWithTheWindowDisabledAndEndsWithOneSuccessBox()
{
    press("sldWanted", Qt::Key_Down, 2);
    const QList<int> slidersBefore = sliderValues();
    auto *bar = child<QProgressBar>("prgApply");
    auto *timer = m_window->findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QSignalSpy ticks(timer, &QTimer::timeout);
    QList<bool> enabledWhileFilling;
    connect(bar, &QProgressBar::valueChanged, this, [&] { enabledWhileFilling << m_window->isEnabled(); });

    // OK by Enter at the tray; the success box is left open for a while.
    m_boxes->answers = {Button::NoButton, Button::Ok};
    m_boxes->thinkingTimeMs = 300;
    clickApply();
    QCOMPARE(m_main->tray.commands, (Commands{kTrayOpen, kTrayClose}));
    // Open with the window enabled (the box is modal); close after disabling it.
    QCOMPARE(m_enabledAtCommand, (QList<bool>{true, false}));
    QVERIFY(!m_window->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 2, 200); // the timer ticks

    waitUntilIdle();
    QCOMPARE(m_boxes->texts(), (QStringList{kInsert, kSuccess}));
    for (const MessageBoxDriver::Shown &box : std::as_const(m_boxes->shown))
        verifyLook(box);
    // 100 ticks fill the bar, the 101st ends the sequence; none after it,
    // however long the success box stayed open.
    QCOMPARE(ticks.count(), 101);
    QVERIFY(!ticks.wait(100));
    const qint64 fillMs = m_boxes->shown.at(1).shownAtMs - m_boxes->shown.at(0).shownAtMs - 300;
    QVERIFY2(fillMs >= 1000 && fillMs < 3000, qPrintable(QString::number(fillMs)));
    QCOMPARE(enabledWhileFilling.size(), 100); // 1..100; the reset to 0 changed nothing
    QVERIFY(!enabledWhileFilling.contains(true));
    QCOMPARE(bar->value(), 100);
    QCOMPARE(sliderValues(), slidersBefore);
}

void tst_Apply::disabledWindowTakesNoInputAndCannotBeClosed()
{
    press("sldCurrent", Qt::Key_Up, 1);
    m_boxes->answers = {Button::Ok};
    m_boxes->thinkingTimeMs = 0;
    clickApply();
    QVERIFY(!m_window->isEnabled());

    // Real input through the window system: keys and clicks do nothing.
    QTest::keyClick(m_window->windowHandle(), Qt::Key_Escape); // would be Reset
    QTest::keyClick(m_window->windowHandle(), Qt::Key_Down);
    QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {},
                      child<QPushButton>("cmdExit")->mapTo(m_window, QPoint(5, 5)));
    QCOMPARE(child<QSlider>("sldCurrent")->value(), 6);
    // The close box does nothing either.
    QVERIFY(!m_window->close());
    QVERIFY(m_window->isVisible());

    m_boxes->answers = {Button::Ok};
    waitUntilIdle();
    QCOMPARE(m_boxes->texts(), (QStringList{kInsert, kSuccess}));
    QCOMPARE(child<QSlider>("sldCurrent")->value(), 6);
    // Once it is enabled again, the close box works.
    QVERIFY(m_window->close());
}

// Disabled, the window refuses input but is drawn as it stands: the bar
// fills in the highlight colour, pictures, captions, advice and sliders do
// not grey out.
void tst_Apply::fillKeepsTheWindowsLook()
{
    press("sldWanted", Qt::Key_Down, 2);
    press("sldCol1", Qt::Key_Left, 2); // the darkest tint: greyed, it would lighten
    child<QPushButton>("cmdGo")->setFocus();
    const QStringList unchanged{QStringLiteral("Image1"),  QStringLiteral("Image2"),     QStringLiteral("lblCurrent"),
                                QStringLiteral("lblRec"),  QStringLiteral("sldCurrent"), QStringLiteral("sldCol1"),
                                QStringLiteral("Frame3")};
    QList<QImage> before;
    for (const QString &name : unchanged)
        before << child<QWidget>(qPrintable(name))->grab().toImage();

    m_boxes->answers = {Button::Ok, Button::Ok};
    auto *bar = child<QProgressBar>("prgApply");
    clickApply();
    QTRY_VERIFY(bar->value() >= 50);
    QVERIFY(!m_window->isEnabled());
    for (qsizetype i = 0; i < unchanged.size(); ++i)
        QVERIFY2(windowtesting::samePixels(child<QWidget>(qPrintable(unchanged.at(i)))->grab().toImage(), before.at(i)),
                 qPrintable(unchanged.at(i)));

    // The filled part in the highlight colour, give or take the style's shading.
    const QImage filled = bar->grab().toImage();
    const QColor highlight = bar->palette().color(QPalette::Active, QPalette::Highlight);
    const QColor shown = filled.pixelColor(filled.width() / 4, filled.height() / 2);
    QVERIFY2(qAbs(shown.hslHue() - highlight.hslHue()) <= 10 && shown.hslSaturation() >= highlight.hslSaturation() / 2,
             qPrintable(QStringLiteral("%1 for %2").arg(shown.name(), highlight.name())));
    waitUntilIdle();
}

void tst_Apply::applyAgainAfterSuccessRunsAgain()
{
    press("sldWanted", Qt::Key_Up, 1);
    m_boxes->answers = {Button::Yes, Button::Ok, Button::Ok, Button::Yes, Button::Ok, Button::Ok};
    for (int run = 0; run < 2; ++run) {
        clickApply();
        waitUntilIdle();
    }
    QCOMPARE(m_boxes->texts(), (QStringList{kReduce, kInsert, kSuccess, kReduce, kInsert, kSuccess}));
    QCOMPARE(m_main->tray.commands, (Commands{kTrayOpen, kTrayClose, kTrayOpen, kTrayClose}));
    QCOMPARE(child<QProgressBar>("prgApply")->value(), 100);
}

void tst_Apply::applyClickedAsABoxClosesStartsNothing_data()
{
    QTest::addColumn<int>("presses");      // Down on the desired size
    QTest::addColumn<Buttons>("answers");
    QTest::addColumn<QString>("clickedAt"); // the box whose answer comes with a click on Apply
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<Commands>("commands");

    QTest::newRow("nothing changed") << 0 << Buttons{Button::Ok} << kNothingChanged << QStringList{kNothingChanged}
                                     << Commands{};
    QTest::newRow("increase question, Yes") << 5 << Buttons{Button::Yes, Button::Cancel} << kFatal
                                            << QStringList{kFatal, kInsert} << Commands{kTrayOpen};
    QTest::newRow("insertion, Cancel") << 1 << Buttons{Button::Cancel} << kInsert << QStringList{kInsert}
                                       << Commands{kTrayOpen};
    QTest::newRow("insertion, OK") << 1 << Buttons{Button::Ok, Button::Ok} << kInsert
                                   << QStringList{kInsert, kSuccess} << Commands{kTrayOpen, kTrayClose};
    QTest::newRow("success") << 1 << Buttons{Button::Ok, Button::Ok} << kSuccess << QStringList{kInsert, kSuccess}
                             << Commands{kTrayOpen, kTrayClose};
}

// A click that the box's event loop handles together with the answer, before
// the sequence has gone on, is an Apply during the sequence: it does nothing.
void tst_Apply::applyClickedAsABoxClosesStartsNothing()
{
    QFETCH(int, presses);
    QFETCH(Buttons, answers);
    QFETCH(QString, clickedAt);
    QFETCH(QStringList, texts);
    QFETCH(Commands, commands);

    press("sldWanted", Qt::Key_Down, presses);
    m_boxes->answers = answers;
    bool clicked = false;
    m_boxes->afterAnswer = [&](const QMessageBox &box) {
        if (box.text() != clickedAt || clicked)
            return;
        clicked = true;
        auto *apply = child<QPushButton>("cmdGo");
        QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, apply->mapTo(m_window, QPoint(5, 5)));
    };
    clickApply();
    waitUntilIdle();
    QTest::qWait(50); // anything the click might still have started

    QVERIFY(clicked);
    QCOMPARE(m_boxes->texts(), texts);
    QCOMPARE(m_main->tray.commands, commands);
    // The tray closes once, with the window disabled.
    QCOMPARE(m_enabledAtCommand.count(false), commands.count(kTrayClose));
    QVERIFY(m_window->isEnabled());
}

QTEST_MAIN(tst_Apply)
#include "tst_apply.moc"
