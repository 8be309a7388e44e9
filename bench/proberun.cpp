#include "proberun.h"

#include "probemarkers.h"

#include <QElapsedTimer>
#include <QProcess>

namespace bench {

namespace {

constexpr double kNanosecondsPerMillisecond = 1e6;

[[noreturn]] void fail(const QString &program, const QString &what)
{
    throw ProbeFailed(QStringLiteral("%1: %2").arg(program, what).toStdString());
}

} // namespace

ProbeLine parseProbeLine(const QByteArray &line)
{
    const QList<QByteArray> words = line.simplified().split(' ');
    if (words.constFirst() == kFrameDoneMarker && words.size() == 1)
        return {ProbeLine::Kind::FrameDone, std::nullopt};
    if (words.constFirst() != kFirstPaintMarker)
        return {};

    ProbeLine parsed{ProbeLine::Kind::FirstPaint, std::nullopt};
    for (const QByteArray &word : words.sliced(1)) {
        if (!word.startsWith(kPeakResidentField))
            continue;
        bool ok = false;
        const qint64 kib = word.sliced(qstrlen(kPeakResidentField)).toLongLong(&ok);
        if (ok && kib > 0)
            parsed.peakResidentKib = kib;
    }
    return parsed;
}

ProbeRun runProbe(const QString &program, std::chrono::milliseconds timeout)
{
    QProcess process;
    process.setProgram(program);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);

    QElapsedTimer clock;
    clock.start();
    process.start(QIODevice::ReadOnly);

    ProbeRun run;
    std::optional<qint64> peakResidentKib;
    bool painted = false;
    bool frameDone = false;
    while (!frameDone) {
        const qint64 remaining = timeout.count() - clock.elapsed();
        if (remaining <= 0 || !process.waitForReadyRead(int(remaining))) {
            process.kill();
            process.waitForFinished();
            fail(program, QStringLiteral("no first paint reported (%1)").arg(process.errorString()));
        }
        // Lines that arrive together arrived at the same moment.
        const double arrivedMs = double(clock.nsecsElapsed()) / kNanosecondsPerMillisecond;
        while (process.canReadLine()) {
            const ProbeLine line = parseProbeLine(process.readLine());
            if (line.kind == ProbeLine::Kind::FirstPaint && !painted) {
                painted = true;
                run.firstPaintMs = arrivedMs;
                peakResidentKib = line.peakResidentKib;
            } else if (line.kind == ProbeLine::Kind::FrameDone && painted) {
                frameDone = true;
                run.frameDoneMs = arrivedMs;
            }
        }
    }

    if (!process.waitForFinished(int(timeout.count()))) {
        process.kill();
        process.waitForFinished();
        fail(program, QStringLiteral("did not end after its first paint"));
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        fail(program, QStringLiteral("ended with status %1").arg(process.exitCode()));
    if (!peakResidentKib)
        fail(program, QStringLiteral("reported no peak resident size"));
    run.peakResidentKib = *peakResidentKib;
    return run;
}

} // namespace bench
