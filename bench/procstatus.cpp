#include "procstatus.h"

#include <QFile>
#include <QList>

namespace bench {

std::optional<qint64> peakResidentKib(const QByteArray &statusText)
{
    constexpr char key[] = "VmHWM:";
    const QList<QByteArray> lines = statusText.split('\n');
    for (const QByteArray &line : lines) {
        if (!line.startsWith(key))
            continue;
        // "VmHWM:\t   12345 kB"
        const QList<QByteArray> fields = line.sliced(qstrlen(key)).simplified().split(' ');
        if (fields.size() != 2 || fields.at(1) != "kB")
            return std::nullopt;
        bool ok = false;
        const qint64 kib = fields.at(0).toLongLong(&ok);
        return ok ? std::optional(kib) : std::nullopt;
    }
    return std::nullopt;
}

std::optional<qint64> ownPeakResidentKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return std::nullopt;
    return peakResidentKib(status.readAll());
}

} // namespace bench
