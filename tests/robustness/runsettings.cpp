#include "runsettings.h"

#include <QRandomGenerator>

RunSettings RunSettings::fromEnvironment()
{
    RunSettings settings;

    const QString seed = qEnvironmentVariable(kSeedVariable).trimmed();
    if (seed.isEmpty()) {
        settings.seed = QRandomGenerator::global()->generate();
        settings.seedDrawn = true;
    } else {
        bool ok = false;
        settings.seed = seed.toUInt(&ok, 0); // decimal, or hexadecimal with 0x
        if (!ok)
            settings.error = QStringLiteral("%1=%2 is not a 32-bit number").arg(QLatin1String(kSeedVariable), seed);
    }

    const QString events = qEnvironmentVariable(kEventsVariable).trimmed();
    if (!events.isEmpty()) {
        bool ok = false;
        settings.events = events.toInt(&ok);
        if (!ok || settings.events < 1)
            settings.error = QStringLiteral("%1=%2 is not a positive number").arg(QLatin1String(kEventsVariable), events);
    }
    return settings;
}

QString RunSettings::replay() const
{
    return QStringLiteral("%1=%2 %3=%4")
        .arg(QLatin1String(kSeedVariable))
        .arg(seed)
        .arg(QLatin1String(kEventsVariable))
        .arg(events);
}
