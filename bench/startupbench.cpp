// Starts a baseline probe and one or more other probes in turn, the same
// number of times each, and writes their medians and their ratios to the
// baseline's as JSON to standard output. Run it on a real display (Xvfb):
// a window's first paint waits for the server's expose.
//
//   vantelix-startup-bench [--runs N] BASELINE-PROBE PROBE...

#include "proberun.h"
#include "statistics.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kDefaultRuns = 21;
constexpr std::chrono::milliseconds kProbeTimeout{20000};

struct Probe
{
    QString program;
    QList<double> firstPaintMs;
    QList<double> frameDoneMs;
    QList<double> peakResidentKib;
};

QJsonObject toJson(const bench::Summary &summary)
{
    return {{QStringLiteral("median"), summary.median},
            {QStringLiteral("min"), summary.min},
            {QStringLiteral("max"), summary.max}};
}

QJsonObject toJson(const Probe &probe, const Probe &baseline)
{
    const bench::Summary firstPaint = bench::summarize(probe.firstPaintMs);
    const bench::Summary frameDone = bench::summarize(probe.frameDoneMs);
    const bench::Summary peakResident = bench::summarize(probe.peakResidentKib);
    return {
        {QStringLiteral("program"), QFileInfo(probe.program).fileName()},
        {QStringLiteral("firstPaintMs"), toJson(firstPaint)},
        {QStringLiteral("frameDoneMs"), toJson(frameDone)},
        {QStringLiteral("peakResidentKib"), toJson(peakResident)},
        {QStringLiteral("firstPaintRatio"), firstPaint.median / bench::summarize(baseline.firstPaintMs).median},
        {QStringLiteral("frameDoneRatio"), frameDone.median / bench::summarize(baseline.frameDoneMs).median},
        {QStringLiteral("peakResidentDeltaKib"),
         peakResident.median - bench::summarize(baseline.peakResidentKib).median},
    };
}

void runOnce(Probe &probe, bool counted)
{
    const bench::ProbeRun run = bench::runProbe(probe.program, kProbeTimeout);
    std::fprintf(stderr, "%-30s first paint %6.1f ms, frame done %6.1f ms, peak resident %6lld KiB%s\n",
                 qPrintable(QFileInfo(probe.program).fileName()), run.firstPaintMs, run.frameDoneMs,
                 static_cast<long long>(run.peakResidentKib), counted ? "" : " (warm-up)");
    if (!counted)
        return;
    probe.firstPaintMs << run.firstPaintMs;
    probe.frameDoneMs << run.frameDoneMs;
    probe.peakResidentKib << double(run.peakResidentKib);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times the first paint of start-up probes, interleaved, against a baseline probe."));
    parser.addHelpOption();
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Counted starts of each probe."),
                                        QStringLiteral("count"), QString::number(kDefaultRuns));
    parser.addOption(runsOption);
    parser.addPositionalArgument(QStringLiteral("baseline"), QStringLiteral("The probe the others are compared with."));
    parser.addPositionalArgument(QStringLiteral("probe"), QStringLiteral("A probe measured."), QStringLiteral("probe..."));
    parser.process(application);

    bool runsOk = false;
    const int runs = parser.value(runsOption).toInt(&runsOk);
    const QStringList programs = parser.positionalArguments();
    if (programs.size() < 2 || !runsOk || runs < 1)
        parser.showHelp(EXIT_FAILURE);

    std::vector<Probe> probes;
    for (const QString &program : programs)
        probes.push_back(Probe{program, {}, {}, {}});
    const std::size_t count = probes.size();
    try {
        // The first start of each fills the caches (files, fonts) all use.
        for (Probe &probe : probes)
            runOnce(probe, false);
        // Each round starts with the next probe, so that none always follows
        // the same one.
        for (int round = 0; round < runs; ++round) {
            for (std::size_t i = 0; i < count; ++i)
                runOnce(probes.at((std::size_t(round) + i) % count), true);
        }
    } catch (const bench::ProbeFailed &error) {
        std::fprintf(stderr, "vantelix-startup-bench: %s\n", error.what());
        return EXIT_FAILURE;
    }

    QJsonArray measured;
    for (const Probe &probe : probes)
        measured.append(toJson(probe, probes.front()));
    const QJsonObject report{{QStringLiteral("runs"), runs}, {QStringLiteral("probes"), measured}};
    std::fputs(QJsonDocument(report).toJson().constData(), stdout);
    return EXIT_SUCCESS;
}
