#pragma once

#include "applysequence.h"

#include <QList>

#include <functional>

// Stands in for the desktop's message boxes where there are no windows: notes
// each message and gives the next answer of the script, or the first button
// once the script has run out.
class ScriptedMessageBoxes final : public advisor::MessageBoxes
{
public:
    QList<advisor::Message> shown;
    QList<advisor::Answer> answers;
    // Runs while a box is open, before it is answered.
    std::function<void(const advisor::Message &)> whileOpen;

    advisor::Answer show(const advisor::Message &message) override
    {
        shown << message;
        if (whileOpen)
            whileOpen(message);
        if (!answers.isEmpty())
            return answers.takeFirst();
        return message.buttons == advisor::Message::Buttons::YesNo ? advisor::Answer::Yes : advisor::Answer::Ok;
    }
};
