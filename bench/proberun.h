#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>
#include <optional>
#include <stdexcept>

namespace bench {

// One line a start-up probe wrote (see probemarkers.h).
struct ProbeLine
{
    enum class Kind { FirstPaint, FrameDone, Other };
    Kind kind = Kind::Other;
    // With FirstPaint: the probe's peak resident size, when it could read it.
    std::optional<qint64> peakResidentKib;
};

ProbeLine parseProbeLine(const QByteArray &line);

// One start of a probe, timed from just before it is spawned.
struct ProbeRun
{
    double firstPaintMs = 0.0;
    double frameDoneMs = 0.0;
    qint64 peakResidentKib = 0;
};

class ProbeFailed : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Starts the program, waits for both markers and for its exit. Throws
// ProbeFailed when it does not start, misses a marker within the timeout,
// reports no peak resident size or ends unsuccessfully.
ProbeRun runProbe(const QString &program, std::chrono::milliseconds timeout);

} // namespace bench
