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
    static constexpr const char *kSeedVariable = "VANTELIX_ROBUSTNESS_SEED";
    static constexpr const char *kEventsVariable = "VANTELIX_ROBUSTNESS_EVENTS";
    quint32 m_seed = 0;
    // About half a minute under the sanitizers on two cores.
    int m_events = 2000;
};

void tst_Robustness::initTestCase()
{
    const QString seed = qEnvironmentVariable(kSeedVariable).trimmed();
    bool ok = true;
    m_seed = seed.isEmpty() ? QRandomGenerator::global()->generate() : seed.toUInt(&ok, 0); // 0x for hexadecimal
    QVERIFY2(ok, qPrintable(QStringLiteral("%1=%2 is not a 32-bit number").arg(QLatin1String(kSeedVariable), seed)));
    const QString events = qEnvironmentVariable(kEventsVariable).trimmed();
    if (!events.isEmpty())
        m_events = events.toInt(&ok);
    QVERIFY2(ok && m_events > 0, qPrintable(QStringLiteral("%1=%2 is not a positive number").arg(QLatin1String(kEventsVariable), events)));
    qInfo().noquote() << QStringLiteral("seed %1 (%2), %3 events; replay: %4=%1 %5=%3 %6")
                             .arg(m_seed)
                             .arg(seed.isEmpty() ? QStringLiteral("drawn at random") : QStringLiteral("given"))
                             .arg(m_events)
                             .arg(QLatin1String(kSeedVariable), QLatin1String(kEventsVariable),
                                  QCoreApplication::applicationFilePath());
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
    // A fill takes a second: one for every 500 events keeps the run short.
    plan.fills = std::max(1, plan.events / 500);
    plan.hands = hands;
    plan.replay = QStringLiteral("%1=%2 %3=%4 %5 \"randomUse:%6\"")
                      .arg(QLatin1String(kSeedVariable))
                      .arg(m_seed)
                      .arg(QLatin1String(kEventsVariable))
                      .arg(m_events)
                      .arg(QCoreApplication::applicationFilePath(), QLatin1String(QTest::currentDataTag()));

    RobustnessRun run(plan);
    const QString failure = run.run();
    qInfo().noquote() << run.summary();
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

QTEST_MAIN(tst_Robustness)
#include "tst_robustness.moc"
