#include "applysequence.h"
#include "fakesliders.h"

#include <QList>
#include <QStringList>
#include <QTest>

#include <functional>

using namespace advisor;

namespace {

// Everything the sequence does, in one log, so that the order between boxes,
// tray commands and the window's state can be checked.
struct World final : ApplyPanel, MessageBoxes, MediaControl
{
    QStringList log;
    QList<Answer> answers;
    std::function<void()> whileBoxOpen;
    bool windowEnabled = true;
    bool timerEnabled = true; // enabled with interval 0 in the layout
    int timerInterval = 0;
    float min = 0, max = 100, value = 0;

    void setWindowEnabled(bool enabled) override
    {
        windowEnabled = enabled;
        log << QStringLiteral("window %1").arg(enabled ? u"enabled" : u"disabled");
    }
    float progressMax() const override { return max; }
    float progressValue() const override { return value; }
    void setProgressMin(float v) override
    {
        min = v;
        log << QStringLiteral("min %1").arg(v);
    }
    void setProgressMax(float v) override
    {
        max = v;
        log << QStringLiteral("max %1").arg(v);
    }
    void setProgressValue(float v) override { value = v; }
    void setTimerInterval(int ms) override
    {
        timerInterval = ms;
        log << QStringLiteral("interval %1").arg(ms);
    }
    void setTimerEnabled(bool enabled) override
    {
        timerEnabled = enabled;
        log << QStringLiteral("timer %1").arg(enabled ? u"on" : u"off");
    }

    Answer show(const Message &m) override
    {
        static const char *const icons[] = {"information", "exclamation"};
        static const char *const buttons[] = {"OK", "Yes/No", "OK/Cancel"};
        log << QStringLiteral("box [%1] %2 (%3, %4)")
                   .arg(m.title, m.text, QLatin1StringView(icons[int(m.icon)]),
                        QLatin1StringView(buttons[int(m.buttons)]));
        if (whileBoxOpen)
            whileBoxOpen();
        const Answer answer = answers.isEmpty() ? Answer::Ok : answers.takeFirst();
        log << QStringLiteral("answer %1").arg(int(answer));
        return answer;
    }

    QString SendMciCommand(const QString &command, quintptr callback) override
    {
        log << QStringLiteral("mci '%1' %2").arg(command).arg(callback);
        return QString(100, QLatin1Char(' '));
    }

    bool ticking() const { return timerEnabled && timerInterval > 0; }
};

const QString kNothing = QStringLiteral(
    "box [Vantelix] Please make some changes, then click Apply! (information, OK)");
const QString kReduce = QStringLiteral(
    "box [Vantelix - Are you mad?] Are you sure you want to REDUCE your penis size? (exclamation, Yes/No)");
const QString kFatal = QStringLiteral("box [Vantelix] Are you sure you want to increase your penis size by that "
                                      "much? This could be fatal. (exclamation, Yes/No)");
const QString kInsert = QStringLiteral("box [Vantelix] Please insert penis now. (information, OK/Cancel)");
const QString kSuccess = QStringLiteral(
    "box [Vantelix] Success! You should notice changes within the next few days. (information, OK)");
const QString kOpen = QStringLiteral("mci 'set cdaudio door open' 0");
const QString kClose = QStringLiteral("mci 'set cdaudio door closed ' 0");
const QString kOk = QStringLiteral("answer 0"), kCancel = QStringLiteral("answer 1"),
              kYes = QStringLiteral("answer 2"), kNo = QStringLiteral("answer 3");
const QStringList kFillStarts{QStringLiteral("window disabled"), kClose, QStringLiteral("min 0"),
                              QStringLiteral("max 100"), QStringLiteral("interval 10"), QStringLiteral("timer on")};

} // namespace

class tst_ApplySequence : public QObject
{
    Q_OBJECT

private slots:
    void questionsAndTray_data();
    void questionsAndTray();
    void fillTakes101TicksThenOneSuccessBox();
    void ticksWhileSuccessBoxIsOpenShowNoSecondBox();
    void applyAgainAfterSuccessRunsEverythingAgain();
    void strayTickBeforeApplyDoesNothing();
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
    QTest::newRow("defaults: nothing changed") << 7 << 7 << 2 << 2 << QList<Answer>{} << QStringList{kNothing, kOk};
    QTest::newRow("same sizes, same but moved tints") << 9 << 9 << 4 << 4 << QList<Answer>{}
                                                      << QStringList{kNothing, kOk};
    QTest::newRow("tint change alone goes straight to the tray")
        << 7 << 7 << 0 << 4 << QList<Answer>{Ok} << (QStringList{kOpen, kInsert, kOk} + kFillStarts);
    QTest::newRow("increase of 2 asks nothing") << 7 << 9 << 2 << 2 << QList<Answer>{Ok}
                                                << (QStringList{kOpen, kInsert, kOk} + kFillStarts);
    QTest::newRow("increase of exactly 4 asks nothing") << 7 << 11 << 2 << 2 << QList<Answer>{Ok}
                                                        << (QStringList{kOpen, kInsert, kOk} + kFillStarts);
    QTest::newRow("increase of 5 asks, Yes") << 7 << 12 << 2 << 2 << QList<Answer>{Yes, Ok}
                                             << (QStringList{kFatal, kYes, kOpen, kInsert, kOk} + kFillStarts);
    QTest::newRow("increase of 11 asks, No stops before the tray")
        << 3 << 14 << 2 << 2 << QList<Answer>{No} << QStringList{kFatal, kNo};
    QTest::newRow("reduction asks, No stops before the tray")
        << 7 << 6 << 2 << 2 << QList<Answer>{No} << QStringList{kReduce, kNo};
    QTest::newRow("reduction asks, Yes goes on, never the increase question")
        << 14 << 3 << 2 << 2 << QList<Answer>{Yes, Ok} << (QStringList{kReduce, kYes, kOpen, kInsert, kOk} + kFillStarts);
    QTest::newRow("Cancel at the tray leaves it open and the window enabled")
        << 7 << 8 << 2 << 2 << QList<Answer>{Cancel} << QStringList{kOpen, kInsert, kCancel};
    QTest::newRow("reduction, Yes, then Cancel at the tray")
        << 8 << 7 << 1 << 3 << QList<Answer>{Yes, Cancel} << QStringList{kReduce, kYes, kOpen, kInsert, kCancel};
}

void tst_ApplySequence::questionsAndTray()
{
    QFETCH(int, current);
    QFETCH(int, desired);
    QFETCH(int, before);
    QFETCH(int, after);
    QFETCH(QList<Answer>, answers);
    QFETCH(QStringList, log);

    FakeSliders sliders;
    sliders.current = current;
    sliders.desired = desired;
    sliders.before = before;
    sliders.after = after;
    World world;
    world.value = 37; // whatever an earlier run left; only the fill may reset it
    world.answers = answers;
    ApplySequence sequence(sliders, world, world, world);
    sequence.apply();

    QCOMPARE(world.log, log);
    QVERIFY(world.answers.isEmpty());
    const bool filling = log.endsWith(QStringLiteral("timer on"));
    QCOMPARE(sequence.isFilling(), filling);
    QCOMPARE(world.windowEnabled, !filling);
    QCOMPARE(world.value, filling ? 0.0F : 37.0F);
    // Apply reads the sliders and never moves them.
    QCOMPARE(sliders.current, current);
    QCOMPARE(sliders.desired, desired);
}

void tst_ApplySequence::fillTakes101TicksThenOneSuccessBox()
{
    FakeSliders sliders;
    sliders.desired = 8;
    World world;
    ApplySequence sequence(sliders, world, world, world);
    sequence.apply();
    world.log.clear();

    int ticks = 0;
    while (world.ticking() && ticks < 1000) {
        QVERIFY(!world.windowEnabled);
        sequence.tick();
        ++ticks;
    }
    QCOMPARE(ticks, 101);
    QCOMPARE(world.value, 100.0F);
    // The notice comes after the bar is full; the window is enabled only once it is answered.
    QCOMPARE(world.log, (QStringList{QStringLiteral("timer off"), kSuccess, kOk, QStringLiteral("window enabled")}));
    QVERIFY(!sequence.isFilling());
}

void tst_ApplySequence::ticksWhileSuccessBoxIsOpenShowNoSecondBox()
{
    FakeSliders sliders;
    sliders.desired = 8;
    World world;
    ApplySequence sequence(sliders, world, world, world);
    sequence.apply();
    for (int i = 0; i < 100; ++i)
        sequence.tick();
    QCOMPARE(world.value, 100.0F);
    QCOMPARE(world.log.count(kSuccess), 0);
    // The success box is left open while more ticks arrive.
    int ticksDuringBox = 0;
    world.whileBoxOpen = [&] {
        for (; ticksDuringBox < 50; ++ticksDuringBox)
            sequence.tick();
    };
    sequence.tick();
    QCOMPARE(ticksDuringBox, 50);
    QCOMPARE(world.log.count(kSuccess), 1);
    QCOMPARE(world.log.count(QStringLiteral("window enabled")), 1);
    QVERIFY(world.windowEnabled);
}

void tst_ApplySequence::applyAgainAfterSuccessRunsEverythingAgain()
{
    FakeSliders sliders;
    sliders.current = 7;
    sliders.desired = 6;
    World world;
    world.answers = {Answer::Yes, Answer::Ok, Answer::Ok, Answer::Yes, Answer::Ok, Answer::Ok};
    ApplySequence sequence(sliders, world, world, world);
    for (int run = 0; run < 2; ++run) {
        sequence.apply();
        while (world.ticking())
            sequence.tick();
    }
    QCOMPARE(world.log.count(kReduce), 2);
    QCOMPARE(world.log.count(kOpen), 2);
    QCOMPARE(world.log.count(kClose), 2);
    QCOMPARE(world.log.count(kSuccess), 2);
    QVERIFY(world.answers.isEmpty());
    QVERIFY(world.windowEnabled);
}

void tst_ApplySequence::strayTickBeforeApplyDoesNothing()
{
    FakeSliders sliders;
    World world;
    ApplySequence sequence(sliders, world, world, world);
    sequence.tick();
    QVERIFY(world.log.isEmpty());
    QCOMPARE(world.value, 0.0F);
}

QTEST_APPLESS_MAIN(tst_ApplySequence)
#include "tst_applysequence.moc"
