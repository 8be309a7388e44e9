#include "randomuser.h"
#include "robustnessrun.h"
#include "runsettings.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>

// Thousands of random user events on the real windows, with the program's
// rules checked after every one of them. The seed and the number of events
// come from the environment (see RunSettings); the seed is printed first,
// and every failure names it with the event and the events before it.
class tst_Robustness : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void randomUse_data();
    void randomUse();

private:
    RunSettings m_settings;
};

void tst_Robustness::initTestCase()
{
    m_settings = RunSettings::fromEnvironment();
    QVERIFY2(m_settings.error.isEmpty(), qPrintable(m_settings.error));
    qInfo().noquote() << QStringLiteral("seed %1 (%2), %3 events; replay: %4")
                             .arg(m_settings.seed)
                             .arg(m_settings.seedDrawn ? QStringLiteral("drawn at random") : QStringLiteral("given"))
                             .arg(m_settings.events)
                             .arg(m_settings.replay());
}

void tst_Robustness::init()
{
    // An event outside its window would be one the user cannot make.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("occurs outside target window")));
}

void tst_Robustness::randomUse_data()
{
    QTest::addColumn<int>("hands");     // RandomUser::Hands: what the user touches the program with
    QTest::addColumn<int>("share");     // per cent of the run's events
    QTest::addColumn<quint32>("salt");  // gives each row a sequence of its own from the one seed

    QTest::newRow("keyboard and mouse") << int(RandomUser::Hands::KeyboardAndMouse) << 50 << 0x0u;
    QTest::newRow("keyboard only") << int(RandomUser::Hands::KeyboardOnly) << 25 << 0x9e3779b9u;
    QTest::newRow("mouse only") << int(RandomUser::Hands::MouseOnly) << 25 << 0x7f4a7c15u;
}

void tst_Robustness::randomUse()
{
    QFETCH(int, hands);
    QFETCH(int, share);
    QFETCH(quint32, salt);

    RobustnessRun::Plan plan;
    plan.seed = m_settings.seed ^ salt;
    plan.events = std::max(1, m_settings.events * share / 100);
    // A fill takes a second: one for every 500 events keeps the run short.
    plan.fills = std::max(1, plan.events / 500);
    plan.hands = RandomUser::Hands(hands);
    plan.replay = QStringLiteral("%1 %2 \"randomUse:%3\"")
                      .arg(m_settings.replay(), QLatin1String(QTest::currentAppName()),
                           QLatin1String(QTest::currentDataTag()));

    RobustnessRun run(plan);
    const QString failure = run.run();
    qInfo().noquote() << run.summary();
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

QTEST_MAIN(tst_Robustness)
#include "tst_robustness.moc"
