#pragma once

#include <QByteArray>

#include <optional>

// The kernel's view of a process's memory, from /proc/<pid>/status.
namespace bench {

// The value of the "VmHWM:" line (peak resident set size) in KiB, or nothing
// when the text has no such line or it is not a number of kB.
std::optional<qint64> peakResidentKib(const QByteArray &statusText);

// The same for this process, read now; nothing where /proc is not there.
std::optional<qint64> ownPeakResidentKib();

} // namespace bench
