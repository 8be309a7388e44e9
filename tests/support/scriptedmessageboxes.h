#pragma once

#include "messageboxes.h"

#include <QList>

#include <functional>

// Stands in for the desktop's message boxes where there are no windows: notes
// each message and gives the next answer of the script, or the first button
// once the script has run out.
class ScriptedMessageBoxes final : public core::MessageBoxes
{
public:
    QList<core::Message> shown;
    QList<core::Answer> answers;
    // Runs while a box is open, before it is answered.
    std::function<void(const core::Message &)> whileOpen;

    core::Answer show(const core::Message &message) override
    {
        shown << message;
        if (whileOpen)
            whileOpen(message);
        if (!answers.isEmpty())
            return answers.takeFirst();
        return message.buttons == core::Message::Buttons::YesNo ? core::Answer::Yes : core::Answer::Ok;
    }
};
