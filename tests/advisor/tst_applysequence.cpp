#include "applysequence.h"
#include "mcirecorder.h"
#include "scriptedmessageboxes.h"
#include "usertexts.h"

#include <QStringList>
#include <QTest>

using namespace advisor;

namespace {

// Everything the sequence does, in one log, so that the order between boxes,
// tray commands and what the window is told can be checked.
struct World
{
    QStringList log;
    ScriptedMessageBoxes boxes;
    MciRecorder tray;
    ApplySequence sequence{boxes};
    bool windowEnabled = true;
    bool ticking = false;
    int value = 37; // whatever an earlier run left; only the fill may reset it

    World()
    {
        static const char *const icons[] = {"information", "exclamation"};
        static const char *const buttons[] = {"OK", "Yes/No", "OK/Cancel"};
        boxes.whileOpen = [this](const Message &m) {
            log << QStringLiteral("box [%1] %2 (%3, %4)")
                       .arg(m.title, m.text, QLatin1StringView(icons[int(m.icon)]),
                            QLatin1StringView(buttons[int(m.buttons)]));
        };
        tray.onCall = [this](const QByteArray &command) {
            const MciRecorder::Call &call = tray.calls.constLast();
            log << QStringLiteral("mci '%1' %2").arg(QString::fromLatin1(command)).arg(call.callbackWindow);
        };
        QObject::connect(&sequence, &ApplySequence::windowEnabledChanged, [this](bool enabled) {
            windowEnabled = enabled;
            log << QStringLiteral("window %1").arg(enabled ? u"enabled" : u"disabled");
        });
        QObject::connect(&sequence, &ApplySequence::progressChanged, [this](int minimum, int maximum, int v) {
            if (v == minimum)
                log << QStringLiteral("bar %1..%2").arg(minimum).arg(maximum);
            value = v;
        });
        QObject::connect(&sequence, &ApplySequence::timerChanged, [this](int milliseconds, bool enabled) {
            ticking = enabled && milliseconds > 0;
            log << QStringLiteral("timer %1 ms %2").arg(milliseconds).arg(enabled ? u"on" : u"off");
        });
    }

    void fillToTheEnd()
    {
        for (int ticks = 0; ticking && ticks < 1000; ++ticks)
            sequence.tick();
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
const QString kOpen = QStringLiteral("mci '%1' 0").arg(QString::fromLatin1(texts::kOpenTray));
const QString kClose = QStringLiteral("mci '%1' 0").arg(QString::fromLatin1(texts::kCloseTray));
// Once the insertion is confirmed.
const QStringList kFillStarts{QStringLiteral("window disabled"), kClose, QStringLiteral("bar 0..100"),
                              QStringLiteral("timer 10 ms on")};

} // namespace

class tst_ApplySequence : public QObject
{
    Q_OBJECT

private slots:
    void questionsAndTray_data();
    void questionsAndTray();
    void trayGetsTheWholeBufferNarrow();
    void fillTakes101TicksThenOneSuccessBox();
    void ticksWhileSuccessBoxIsOpenShowNoSecondBox();
    void applyAgainAfterSuccessRunsEverythingAgain();
    void strayTickBeforeApplyDoesNothing();
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
    const bool filling = log.endsWith(QStringLiteral("timer 10 ms on"));
    QCOMPARE(world.windowEnabled, !filling);
    QCOMPARE(world.value, filling ? 0 : 37);
}

void tst_ApplySequence::trayGetsTheWholeBufferNarrow()
{
    World world;
    world.sequence.apply({7, 8, 2, 2});

    QCOMPARE(world.tray.commands(), (QList<QByteArray>{texts::kOpenTray, texts::kCloseTray}));
    for (const MciRecorder::Call &call : std::as_const(world.tray.calls)) {
        QCOMPARE(call.returnLength, 100u);
        QCOMPARE(call.bufferOnEntry, QByteArray(100, ' '));
        QCOMPARE(call.callbackWindow, quintptr(0));
    }
}

void tst_ApplySequence::fillTakes101TicksThenOneSuccessBox()
{
    World world;
    world.sequence.apply({7, 8, 2, 2});
    world.log.clear();

    int ticks = 0;
    while (world.ticking && ticks < 1000) {
        QVERIFY(!world.windowEnabled);
        world.sequence.tick();
        ++ticks;
    }
    QCOMPARE(ticks, 101);
    QCOMPARE(world.value, 100);
    // The notice comes after the bar is full; the window is enabled only
    // once it is answered.
    QCOMPARE(world.log, (QStringList{QStringLiteral("timer 10 ms off"), kSuccess, QStringLiteral("window enabled")}));
}

void tst_ApplySequence::ticksWhileSuccessBoxIsOpenShowNoSecondBox()
{
    World world;
    world.sequence.apply({7, 8, 2, 2});
    for (int i = 0; i < 100; ++i)
        world.sequence.tick();
    QCOMPARE(world.value, 100);
    QCOMPARE(world.log.count(kSuccess), 0);
    // The success box is left open while more ticks arrive.
    int ticksDuringBox = 0;
    world.boxes.whileOpen = [&](const Message &message) {
        world.log << message.text;
        for (; ticksDuringBox < 50; ++ticksDuringBox)
            world.sequence.tick();
    };
    world.sequence.tick();
    QCOMPARE(ticksDuringBox, 50);
    QCOMPARE(world.log.count(texts::kSuccess), 1);
    QCOMPARE(world.log.count(QStringLiteral("window enabled")), 1);
    QVERIFY(world.windowEnabled);
}

void tst_ApplySequence::applyAgainAfterSuccessRunsEverythingAgain()
{
    World world;
    for (int run = 0; run < 2; ++run) {
        world.sequence.apply({7, 6, 2, 2});
        world.fillToTheEnd();
    }
    QCOMPARE(world.log.count(kReduce), 2);
    QCOMPARE(world.log.count(kOpen), 2);
    QCOMPARE(world.log.count(kClose), 2);
    QCOMPARE(world.log.count(kSuccess), 2);
    QVERIFY(world.windowEnabled);
}

void tst_ApplySequence::strayTickBeforeApplyDoesNothing()
{
    World world;
    world.sequence.tick();
    QVERIFY(world.log.isEmpty());
    QCOMPARE(world.value, 37);
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
    world.fillToTheEnd();
    QVERIFY(appliedAgain);

    QStringList expected{openBox};
    if (openBox != kNothing) {
        expected = QStringList{kOpen, kInsert} + kFillStarts
                   + QStringList{QStringLiteral("timer 10 ms off"), kSuccess, QStringLiteral("window enabled")};
        if (openBox == kReduce || openBox == kFatal)
            expected.prepend(openBox);
    }
    QCOMPARE(world.log, expected);
    // Apply works again once the sequence is over.
    world.log.clear();
    world.sequence.apply({7, 7, 2, 2});
    QCOMPARE(world.log, QStringList{kNothing});
}

QTEST_APPLESS_MAIN(tst_ApplySequence)
#include "tst_applysequence.moc"
