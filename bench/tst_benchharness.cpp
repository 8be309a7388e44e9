// The pieces the benchmarks rely on, checked without timing anything: if
// one of them measured the wrong thing, every figure would be wrong too.

#include "baselinewindow.h"
#include "mainwindowundertest.h"
#include "proberun.h"
#include "procstatus.h"
#include "sliderthumb.h"
#include "statistics.h"

#include <QLabel>
#include <QSlider>
#include <QTest>

#include <optional>

using OptionalKib = std::optional<qint64>;
Q_DECLARE_METATYPE(OptionalKib)

class tst_BenchHarness : public QObject
{
    Q_OBJECT

private slots:
    void peakResidentKib_data();
    void peakResidentKib();
    void ownPeakResidentIsRead();
    void summarize_data();
    void summarize();
    void parseProbeLine_data();
    void parseProbeLine();
    void thumbDragMovesOneSizePerMovement_data();
    void thumbDragMovesOneSizePerMovement();
    void baselinesHaveTheMainWindowsSize();
};

void tst_BenchHarness::peakResidentKib_data()
{
    QTest::addColumn<QByteArray>("status"); // text of /proc/<pid>/status
    QTest::addColumn<OptionalKib>("kib");

    QTest::newRow("kernel layout") << QByteArray("Name:\tprobe\nVmPeak:\t  300000 kB\nVmHWM:\t   30208 kB\n"
                                                 "VmRSS:\t   29000 kB\n")
                                   << OptionalKib(30208);
    QTest::newRow("last line without newline") << QByteArray("VmRSS:\t 1 kB\nVmHWM:\t 42 kB") << OptionalKib(42);
    QTest::newRow("no peak line") << QByteArray("Name:\tprobe\nVmRSS:\t 29000 kB\n") << OptionalKib();
    QTest::newRow("other unit") << QByteArray("VmHWM:\t 30 MB\n") << OptionalKib();
    QTest::newRow("not a number") << QByteArray("VmHWM:\t lots kB\n") << OptionalKib();
    QTest::newRow("empty") << QByteArray() << OptionalKib();
}

void tst_BenchHarness::peakResidentKib()
{
    QFETCH(QByteArray, status);
    QFETCH(OptionalKib, kib);
    QCOMPARE(bench::peakResidentKib(status), kib);
}

void tst_BenchHarness::ownPeakResidentIsRead()
{
    // A running Qt program holds well over a mebibyte.
    const OptionalKib kib = bench::ownPeakResidentKib();
    QVERIFY(kib.has_value());
    QVERIFY2(*kib > 1024, qPrintable(QString::number(*kib)));
}

void tst_BenchHarness::summarize_data()
{
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<double>("median");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");

    QTest::newRow("odd count, unsorted") << QList<double>{5, 1, 9, 3, 7} << 5.0 << 1.0 << 9.0;
    QTest::newRow("even count: mean of the middle two") << QList<double>{40, 10, 30, 20} << 25.0 << 10.0 << 40.0;
    QTest::newRow("one slow outlier moves nothing") << QList<double>{10, 11, 12, 500} << 11.5 << 10.0 << 500.0;
    QTest::newRow("one value") << QList<double>{3.5} << 3.5 << 3.5 << 3.5;
    QTest::newRow("none") << QList<double>{} << 0.0 << 0.0 << 0.0;
}

void tst_BenchHarness::summarize()
{
    QFETCH(QList<double>, values);
    QFETCH(double, median);
    QFETCH(double, min);
    QFETCH(double, max);

    const bench::Summary summary = bench::summarize(values);
    QCOMPARE(summary.median, median);
    QCOMPARE(summary.min, min);
    QCOMPARE(summary.max, max);
    QCOMPARE(summary.count, values.size());
}

void tst_BenchHarness::parseProbeLine_data()
{
    using Kind = bench::ProbeLine::Kind;
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("kind");
    QTest::addColumn<OptionalKib>("kib");

    QTest::newRow("first paint") << QByteArray("first-paint vmhwm-kib=30208\n") << int(Kind::FirstPaint)
                                 << OptionalKib(30208);
    QTest::newRow("first paint, size unreadable") << QByteArray("first-paint vmhwm-kib=-1\n") << int(Kind::FirstPaint)
                                                  << OptionalKib();
    QTest::newRow("first paint without size") << QByteArray("first-paint\n") << int(Kind::FirstPaint) << OptionalKib();
    QTest::newRow("frame done") << QByteArray("frame-done\n") << int(Kind::FrameDone) << OptionalKib();
    QTest::newRow("frame done with more words") << QByteArray("frame-done later\n") << int(Kind::Other)
                                                << OptionalKib();
    QTest::newRow("a warning of Qt's") << QByteArray("QStandardPaths: XDG_RUNTIME_DIR not set\n") << int(Kind::Other)
                                       << OptionalKib();
    QTest::newRow("marker inside a line") << QByteArray("no first-paint vmhwm-kib=1\n") << int(Kind::Other)
                                          << OptionalKib();
    QTest::newRow("empty") << QByteArray("\n") << int(Kind::Other) << OptionalKib();
}

void tst_BenchHarness::parseProbeLine()
{
    QFETCH(QByteArray, line);
    QFETCH(int, kind);
    QFETCH(OptionalKib, kib);

    const bench::ProbeLine parsed = bench::parseProbeLine(line);
    QCOMPARE(int(parsed.kind), kind);
    QCOMPARE(parsed.peakResidentKib, kib);
}

void tst_BenchHarness::thumbDragMovesOneSizePerMovement_data()
{
    QTest::addColumn<QString>("slider");
    QTest::addColumn<QString>("caption"); // the label the refresh writes, or empty

    QTest::newRow("current size, 3 at the top") << "sldCurrent" << "lblCurrent";
    QTest::newRow("desired size, 3 at the top") << "sldWanted" << "lblDesired";
    QTest::newRow("before tint, horizontal") << "sldCol1" << "";
    QTest::newRow("after tint, horizontal") << "sldCol2" << "";
}

void tst_BenchHarness::thumbDragMovesOneSizePerMovement()
{
    QFETCH(QString, slider);
    QFETCH(QString, caption);

    MainWindowUnderTest main;
    FrmControl &window = main.window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *target = window.findChild<QSlider *>(slider);
    QVERIFY(target);
    const int start = target->value();
    QList<int> path;
    for (int value = start + 1; value <= target->maximum(); ++value)
        path << value;
    for (int value = target->maximum() - 1; value >= target->minimum(); --value)
        path << value;

    QList<int> seen;
    {
        bench::ThumbDrag drag(target);
        // Grabbing the thumb moves nothing; a press in the groove would step.
        QCOMPARE(target->value(), start);
        QVERIFY(target->isSliderDown());
        for (int value : std::as_const(path)) {
            drag.moveTo(value);
            seen << target->value();
            if (!caption.isEmpty())
                QCOMPARE(window.findChild<QLabel *>(caption)->text(), QString::number(value) + QLatin1Char('"'));
        }
    }
    QCOMPARE(seen, path);
    QVERIFY(!target->isSliderDown());
}

void tst_BenchHarness::baselinesHaveTheMainWindowsSize()
{
    const MainWindowUnderTest main;
    const FrmControl &window = main.window;
    QCOMPARE(window.size(), bench::kMainWindowClientSize);
}

QTEST_MAIN(tst_BenchHarness)
#include "tst_benchharness.moc"
