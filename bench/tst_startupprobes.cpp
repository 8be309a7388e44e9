// The start-up probes report their first paint the way the start-up
// benchmark reads it, and a program that does not is refused rather than
// timed. No timings are checked.

#include "proberun.h"

#include <QTest>

using namespace std::chrono_literals;

class tst_StartupProbes : public QObject
{
    Q_OBJECT

private slots:
    void probeReportsItsFirstPaint_data();
    void probeReportsItsFirstPaint();
    void programWithoutReportIsRefused_data();
    void programWithoutReportIsRefused();
};

void tst_StartupProbes::probeReportsItsFirstPaint_data()
{
    QTest::addColumn<QString>("program");

    QTest::newRow("the program's start-up") << QStringLiteral(VANTELIX_PROBE);
    QTest::newRow("empty window") << QStringLiteral(VANTELIX_PROBE_BARE);
    QTest::newRow("window with one line of text") << QStringLiteral(VANTELIX_PROBE_TEXT);
}

void tst_StartupProbes::probeReportsItsFirstPaint()
{
    QFETCH(QString, program);

    const bench::ProbeRun run = bench::runProbe(program, 60s);
    QVERIFY(run.firstPaintMs > 0.0);
    QVERIFY(run.frameDoneMs >= run.firstPaintMs);
    QVERIFY2(run.peakResidentKib > 1024, qPrintable(QString::number(run.peakResidentKib)));
}

void tst_StartupProbes::programWithoutReportIsRefused_data()
{
    QTest::addColumn<QString>("program");

    QTest::newRow("ends at once without painting") << QStringLiteral("true");
    QTest::newRow("does not exist") << QStringLiteral("/nonexistent/vantelix-startup-probe");
}

void tst_StartupProbes::programWithoutReportIsRefused()
{
    QFETCH(QString, program);
    QVERIFY_THROWS_EXCEPTION(bench::ProbeFailed, bench::runProbe(program, 10s));
}

QTEST_GUILESS_MAIN(tst_StartupProbes)
#include "tst_startupprobes.moc"
