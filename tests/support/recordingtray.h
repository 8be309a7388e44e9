#pragma once

#include "cdtray.h"

#include <QStringList>

#include <functional>

// Stands in for the CD tray: notes each command, "open" or "close", and moves
// nothing.
class RecordingTray final : public core::CdTray
{
public:
    QStringList commands;
    // Runs at each command, before it returns (tests look at the window's
    // state there).
    std::function<void(const QString &command)> onCommand;

    void open() override { record(QStringLiteral("open")); }
    void close() override { record(QStringLiteral("close")); }

private:
    void record(const QString &command)
    {
        commands << command;
        if (onCommand)
            onCommand(command);
    }
};
