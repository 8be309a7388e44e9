#pragma once

#include "applysequence.h"

#include <QStringList>

#include <functional>

// Stands in for the CD drive: records each command instead of moving a tray.
class FakeMediaControl final : public advisor::MediaControl
{
public:
    QStringList commands;
    std::function<void(const QString &)> onCommand;

    QString SendMciCommand(const QString &command, quintptr) override
    {
        commands << command;
        if (onCommand)
            onCommand(command);
        return QString(100, QLatin1Char(' '));
    }
};
