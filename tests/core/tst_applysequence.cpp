#include "applysequence.h"
#include "recordingtray.h"
#include "scriptedmessageboxes.h"
#include "usertexts.h"

#include <QSignalSpy>
#include <QStringList>
#include <QTest>
#include <QTimer>

using namespace core;

namespace {

// Everything the sequence does, in one log, so that the order between boxes,
// tray commands and what the window is told can be checked.
struct World
{
    QStringList log;
    ScriptedMessageBoxes boxes;
    RecordingTray tray;
    ApplySequence sequence{tray, boxes};
    const QTimer &timer = *sequence.findChild<QTimer *>(QStringLiteral("Timer1"));
    bool windowEnabled = true;
    int value = 37; // whatever an earlier run left; only the fill may reset it

    World()
    {
        static const char *const icons[] = {"information", "exclamation"};
        static const char *const buttons[] = {"OK", "Yes/No", "OK/Cancel"};
        boxes.whileOpen = [this](const Message &m) {
            log << QStringLiteral("box [%1] %2 (%3, %4)")
                       .arg(m.title, m.text, QLatin1StringView(icons[int(m.icon)]),
                            QLatin1StringView(buttons[int(m.buttons)]));
            if (timer.isActive())
                log << QStringLiteral("while the timer runs");
        };
        tray.onCommand = [this](const QString &command) { log << QStringLiteral("tray ") + command; };
        QObject::connect(&sequence, &ApplySequence::windowEnabledChanged, &sequence, [this](bool enabled) {
            windowEnabled = enabled;
            log << QStringLiteral("window %1").arg(enabled ? u"enabled" : u"disabled");
        });
        QObject::connect(&sequence, &ApplySequence::progressChanged, &sequence, [this](int minimum, int maximum, int v) {
            if (v == minimum)
                log << QStringLiteral("bar %1..%2%3").arg(minimum).arg(maximum).arg(timer.isActive() ? u", ticking" : u"");
            value = v;
        });
    }

    // The timer is the sequence's own: the fill takes its second.
    bool fillToTheEnd() const
    {
        return QTest::qWaitFor([this] { return !timer.isActive(); }, 5000);
    }
};

QString box(const QString &title, const QString &text, const char *icon, const char *buttons)
{
    return QStringLiteral("box [%1] %2 (%3, %4)").arg(title, text, QLatin1String(icon), QLatin1String(buttons));
}

const QString kNothing = box(texts::kTitle, texts::kNothingChanged, "information", "OK");
const QString kReduce = box(texts::kReduceTitle, texts::kReduce, "exclamation", "Yes/No");
const QString kFatal = box(texts::kTitle, texts::kFatal, "exclamation", "Yes/No");
const QString kInsert = box(texts::kTitle, texts::kInsert, "information", "OK/Cancel");
const QString kSuccess = box(texts::kTitle, texts::kSuccess, "information", "OK");
const QString kOpen = QStringLiteral("tray open");
const QString kClose = QStringLiteral("tray close");
// Once the insertion is confirmed; the timer starts after the bar is reset.
const QStringList kFillStarts{QStringLiteral("window disabled"), kClose, QStringLiteral("bar 0..100")};
// A full bar: the timer stopped before the notice, the window enabled after it.
const QStringList kFillEnds{kSuccess, QStringLiteral("window enabled")};

} // namespace

class tst_ApplySequence : public QObject
{
    Q_OBJECT

private slots:
    void questionsAndTray_data();
    void questionsAndTray();
    void fillTakes101TicksThenOneSuccessBox();
    void noTickWhileTheSuccessBoxIsOpen();
    void applyAgainAfterSuccessRunsEverythingAgain();
    void applyWhileASequenceIsUnderWayDoesNothing_data();
    void applyWhileASequenceIsUnderWayDoesNothing();
};

void tst_ApplySequence::questionsAndTray_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("desired");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<QStringList>("log");

    using enum Answer;
    QTest::newRow("defaults: nothing changed") << 7 << 7 << 2 << 2 << QList<Answer>{} << QStringList{kNothing};
    QTest::newRow("same sizes, same but moved tints") << 9 << 9 << 4 << 4 << QList<Answer>{}
                                                      << QStringList{kNothing};
    QTest::newRow("tint change alone goes straight to the tray")
        << 7 << 7 << 0 << 4 << QList<Answer>{Ok} << (QStringList{kOpen, kInsert} + kFillStarts);
    QTest::newRow("increase of 2 asks nothing") << 7 << 9 << 2 << 2 << QList<Answer>{Ok}
                                                << (QStringList{kOpen, kInsert} + kFillStarts);
    QTest::newRow("increase of exactly 4 asks nothing") << 7 << 11 << 2 << 2 << QList<Answer>{Ok}
                                                        << (QStringList{kOpen, kInsert} + kFillStarts);
    QTest::newRow("increase of 5 asks, Yes") << 7 << 12 << 2 << 2 << QList<Answer>{Yes, Ok}
                                             << (QStringList{kFatal, kOpen, kInsert} + kFillStarts);
    QTest::newRow("increase of 11 asks, No stops before the tray")
        << 3 << 14 << 2 << 2 << QList<Answer>{No} << QStringList{kFatal};
    QTest::newRow("reduction asks, No stops before the tray")
        << 7 << 6 << 2 << 2 << QList<Answer>{No} << QStringList{kReduce};
    QTest::newRow("reduction asks, Yes goes on, never the increase question")
        << 14 << 3 << 2 << 2 << QList<Answer>{Yes, Ok} << (QStringList{kReduce, kOpen, kInsert} + kFillStarts);
    QTest::newRow("Cancel at the tray leaves it open and the window enabled")
        << 7 << 8 << 2 << 2 << QList<Answer>{Cancel} << QStringList{kOpen, kInsert};
    QTest::newRow("reduction, Yes, then Cancel at the tray")
        << 8 << 7 << 1 << 3 << QList<Answer>{Yes, Cancel} << QStringList{kReduce, kOpen, kInsert};
}

void tst_ApplySequence::questionsAndTray()
{
    QFETCH(int, current);
    QFETCH(int, desired);
    QFETCH(int, before);
    QFETCH(int, after);
    QFETCH(QList<Answer>, answers);
    QFETCH(QStringList, log);

    World world;
    world.boxes.answers = answers;
    world.sequence.apply({current, desired, before, after});

    QCOMPARE(world.log, log);
    QVERIFY(world.boxes.answers.isEmpty());
    const bool filling = log.endsWith(QStringLiteral("bar 0..100"));
    QCOMPARE(world.windowEnabled, !filling);
    QCOMPARE(world.value, filling ? 0 : 37);
    QCOMPARE(world.timer.isActive(), filling);
    QCOMPARE(world.timer.interval(), 10);
}

void tst_ApplySequence::fillTakes101TicksThenOneSuccessBox()
{
    World world;
    QSignalSpy ticks(&world.timer, &QTimer::timeout);
    QList<bool> enabledWhileFilling;
    QObject::connect(&world.sequence, &ApplySequence::progressChanged, &world.sequence,
                     [&] { enabledWhileFilling << world.windowEnabled; });
    world.sequence.apply({7, 8, 2, 2});
    world.log.clear();

    QVERIFY(world.fillToTheEnd());
    // 100 ticks fill the bar, the 101st ends the sequence.
    QCOMPARE(ticks.count(), 101);
    QCOMPARE(world.value, 100);
    QCOMPARE(enabledWhileFilling, QList<bool>(101, false)); // the reset to 0, then 1..100
    // The notice comes after the bar is full; the window is enabled only
    // once it is answered.
    QCOMPARE(world.log, kFillEnds);
    QVERIFY(world.windowEnabled);
}

void tst_ApplySequence::noTickWhileTheSuccessBoxIsOpen()
{
    World world;
    QSignalSpy ticks(&world.timer, &QTimer::timeout);
    // The success box stays open for a while.
    const auto whileOpen = world.boxes.whileOpen;
    world.boxes.whileOpen = [&](const Message &message) {
        whileOpen(message);
        if (message.text == texts::kSuccess)
            QTest::qWait(200);
    };
    world.sequence.apply({7, 8, 2, 2});
    QVERIFY(world.fillToTheEnd());
    QTest::qWait(50);

    QCOMPARE(ticks.count(), 101);
    QCOMPARE(world.log.count(kSuccess), 1);
    QCOMPARE(world.log.count(QStringLiteral("window enabled")), 1);
    QVERIFY(!world.log.contains(QStringLiteral("while the timer runs")));
}

void tst_ApplySequence::applyAgainAfterSuccessRunsEverythingAgain()
{
    World world;
    for (int run = 0; run < 2; ++run) {
        world.sequence.apply({7, 6, 2, 2});
        QVERIFY(world.fillToTheEnd());
    }
    const QStringList once = QStringList{kReduce, kOpen, kInsert} + kFillStarts + kFillEnds;
    QCOMPARE(world.log, once + once);
    QVERIFY(world.windowEnabled);
}

void tst_ApplySequence::applyWhileASequenceIsUnderWayDoesNothing_data()
{
    QTest::addColumn<QString>("openBox"); // the box that is open when Apply comes again
    QTest::addColumn<int>("desired");

    QTest::newRow("nothing changed") << kNothing << 7;
    QTest::newRow("reduction question") << kReduce << 6;
    QTest::newRow("increase question") << kFatal << 13;
    QTest::newRow("insertion request") << kInsert << 9;
    QTest::newRow("success notice") << kSuccess << 9;
}

// A box's answer and the user's next click can be handled in one pass of the
// box's event loop, before the sequence that asked has gone on.
void tst_ApplySequence::applyWhileASequenceIsUnderWayDoesNothing()
{
    QFETCH(QString, openBox);
    QFETCH(int, desired);

    World world;
    bool appliedAgain = false;
    const auto whileOpen = world.boxes.whileOpen;
    world.boxes.whileOpen = [&](const Message &message) {
        whileOpen(message);
        if (!appliedAgain && world.log.constLast() == openBox) {
            appliedAgain = true;
            world.sequence.apply({7, 8, 0, 4});
        }
    };
    world.sequence.apply({7, desired, 2, 2});
    QVERIFY(world.fillToTheEnd());
    QVERIFY(appliedAgain);

    QStringList expected{openBox};
    if (openBox != kNothing) {
        expected = QStringList{kOpen, kInsert} + kFillStarts + kFillEnds;
        if (openBox == kReduce || openBox == kFatal)
            expected.prepend(openBox);
    }
    QCOMPARE(world.log, expected);
    // Apply works again once the sequence is over.
    world.log.clear();
    world.sequence.apply({7, 7, 2, 2});
    QCOMPARE(world.log, QStringList{kNothing});
}

QTEST_GUILESS_MAIN(tst_ApplySequence)
#include "tst_applysequence.moc"
