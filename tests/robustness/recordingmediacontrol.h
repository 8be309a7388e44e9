#pragma once

#include "applysequence.h"

#include <functional>

// Stands in for the CD drive: hands every command to the observer instead
// of moving a tray, and answers as a drive without a reply would.
class RecordingMediaControl final : public advisor::MediaControl
{
public:
    std::function<void(const QString &command, quintptr callbackWindow)> onCommand;

    QString SendMciCommand(const QString &command, quintptr callbackWindow) override
    {
        if (onCommand)
            onCommand(command, callbackWindow);
        return QString(100, QLatin1Char(' '));
    }
};
