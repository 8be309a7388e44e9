#pragma once

#include "shell.h"

#include <QList>
#include <QString>

#include <functional>

// Stands in for the desktop shell: notes every link it is asked to open, and
// opens nothing.
class RecordingShell final : public core::Shell
{
public:
    struct Request
    {
        quintptr ownerWindow = 0;
        QString target;
        QString workingFolder;
    };

    QList<Request> requests;
    std::function<void(const Request &)> onOpen;

    QStringList targets() const
    {
        QStringList all;
        for (const Request &request : requests)
            all << request.target;
        return all;
    }

    void open(quintptr ownerWindow, const QString &target, const QString &workingFolder) override
    {
        requests.append({ownerWindow, target, workingFolder});
        if (onOpen)
            onOpen(requests.constLast());
    }
};
