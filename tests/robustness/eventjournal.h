#pragma once

#include <QList>
#include <QString>

// The events of a run, numbered; keeps the last few to tell what led to a
// failure.
class EventJournal
{
public:
    explicit EventJournal(qsizetype kept = 40);

    // A user event of the run's own sequence: it counts against the budget.
    void userEvent(const QString &what);
    // Anything else worth seeing in a failure report: input while the bar
    // fills, what the window manager does, windows opening.
    void note(const QString &what);

    int userEvents() const { return m_userEvents; }
    // "event 1234" or "event 1234 +3" for notes after it.
    QString position() const;
    QString lastEntries() const;

private:
    void keep(const QString &entry);

    qsizetype m_kept;
    int m_userEvents = 0;
    int m_notesSinceEvent = 0;
    QList<QString> m_entries;
};
