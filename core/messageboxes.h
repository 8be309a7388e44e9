#pragma once

#include <QString>

namespace core {

// A modal question or notice. The first button is always the default.
struct Message
{
    enum class Icon { Information, Exclamation };
    enum class Buttons { Ok, YesNo, OkCancel };

    QString text;
    QString title;
    Icon icon;
    Buttons buttons;

    friend bool operator==(const Message &, const Message &) = default;
};

enum class Answer { Ok, Cancel, Yes, No };

// The desktop's modal message boxes.
class MessageBoxes
{
public:
    // Shows the message and returns once the user has answered it.
    virtual Answer show(const Message &message) = 0;

protected:
    ~MessageBoxes() = default;
};

} // namespace core
