#pragma once

#include "applysequence.h"

#include <QMessageBox>
#include <QString>

#include <optional>

// The answer a message-box button stands for, and its name in reports.
namespace answers {

inline std::optional<advisor::Answer> answerOf(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok:
        return advisor::Answer::Ok;
    case QMessageBox::Cancel:
        return advisor::Answer::Cancel;
    case QMessageBox::Yes:
        return advisor::Answer::Yes;
    case QMessageBox::No:
        return advisor::Answer::No;
    default:
        return std::nullopt;
    }
}

inline QString nameOf(advisor::Answer answer)
{
    switch (answer) {
    case advisor::Answer::Ok:
        return QStringLiteral("OK");
    case advisor::Answer::Cancel:
        return QStringLiteral("Cancel");
    case advisor::Answer::Yes:
        return QStringLiteral("Yes");
    case advisor::Answer::No:
        return QStringLiteral("No");
    }
    return QStringLiteral("?");
}

} // namespace answers
