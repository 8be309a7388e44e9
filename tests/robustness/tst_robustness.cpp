#include "robustnessrun.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

// Random user events on the real windows, with what must hold whatever the
// user does checked after every one. The seed and the number of events come
// from the environment; the seed is printed first, and every failure names
// it with the event and the events before it.
class tst_Robustness : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void randomUse_data();
    void randomUse();

private:
    quint32 m_seed = 0;
    int m_events = 2500; // about 20 s under the sanitizers
    QString m_replay;
};

void tst_Robustness::initTestCase()
{
    const QString seed = qEnvironmentVariable("VANTELIX_ROBUSTNESS_SEED").trimmed();
    const QString events = qEnvironmentVariable("VANTELIX_ROBUSTNESS_EVENTS").trimmed();
    bool seedOk = true, eventsOk = true;
    m_seed = seed.isEmpty() ? QRandomGenerator::global()->generate() : seed.toUInt(&seedOk, 0); // 0x: hexadecimal
    m_events = events.isEmpty() ? m_events : events.toInt(&eventsOk);
    QVERIFY2(seedOk, "VANTELIX_ROBUSTNESS_SEED is not a 32-bit number");
    QVERIFY2(eventsOk && m_events > 0, "VANTELIX_ROBUSTNESS_EVENTS is not a positive number");
    m_replay = QStringLiteral("VANTELIX_ROBUSTNESS_SEED=%1 VANTELIX_ROBUSTNESS_EVENTS=%2 %3")
                   .arg(m_seed)
                   .arg(m_events)
                   .arg(QCoreApplication::applicationFilePath());
    const QString origin = seed.isEmpty() ? QStringLiteral("drawn at random") : QStringLiteral("given");
    qInfo().noquote() << QStringLiteral("seed %1 (%2); replay: %3").arg(m_seed).arg(origin, m_replay);
}

void tst_Robustness::init()
{
    // An event outside its window would be one the user cannot make.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("occurs outside target window")));
}

void tst_Robustness::randomUse_data()
{
    QTest::addColumn<RandomUser::Hands>("hands"); // what the user touches the program with
    QTest::addColumn<int>("share");               // per cent of the run's events
    QTest::addColumn<quint32>("salt");            // a sequence of each row's own from the one seed

    QTest::newRow("keyboard and mouse") << RandomUser::Hands::KeyboardAndMouse << 50 << 0x0u;
    QTest::newRow("keyboard only") << RandomUser::Hands::KeyboardOnly << 25 << 0x9e3779b9u;
    QTest::newRow("mouse only") << RandomUser::Hands::MouseOnly << 25 << 0x7f4a7c15u;
}

void tst_Robustness::randomUse()
{
    QFETCH(RandomUser::Hands, hands);
    QFETCH(int, share);
    QFETCH(quint32, salt);

    RobustnessRun::Plan plan;
    plan.seed = m_seed ^ salt;
    plan.events = std::max(1, m_events * share / 100);
    plan.fills = std::max(1, plan.events / 500); // a fill takes a second
    plan.hands = hands;
    plan.replay = m_replay + QStringLiteral(" \"randomUse:%1\"").arg(QLatin1String(QTest::currentDataTag()));

    RobustnessRun run(plan);
    const QString failure = run.run();
    qInfo().noquote() << run.summary();
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

QTEST_MAIN(tst_Robustness)
#include "tst_robustness.moc"
