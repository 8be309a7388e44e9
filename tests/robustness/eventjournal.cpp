#include "eventjournal.h"

EventJournal::EventJournal(qsizetype kept)
    : m_kept(kept)
{
}

void EventJournal::userEvent(const QString &what)
{
    ++m_userEvents;
    m_notesSinceEvent = 0;
    keep(QStringLiteral("%1: %2").arg(m_userEvents, 6).arg(what));
}

void EventJournal::note(const QString &what)
{
    ++m_notesSinceEvent;
    keep(QStringLiteral("%1  %2").arg(QString(), 6).arg(what));
}

QString EventJournal::position() const
{
    QString where = QStringLiteral("event %1").arg(m_userEvents);
    if (m_notesSinceEvent > 0)
        where += QStringLiteral(" +%1").arg(m_notesSinceEvent);
    return where;
}

QString EventJournal::lastEntries() const
{
    return m_entries.join(QLatin1Char('\n'));
}

void EventJournal::keep(const QString &entry)
{
    m_entries.append(entry);
    if (m_entries.size() > m_kept)
        m_entries.removeFirst();
}
