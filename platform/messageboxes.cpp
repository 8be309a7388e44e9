#include "messageboxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace platform {

namespace {

QMessageBox::Icon iconOf(advisor::Message::Icon icon)
{
    switch (icon) {
    case advisor::Message::Icon::Information:
        return QMessageBox::Information;
    case advisor::Message::Icon::Exclamation:
        return QMessageBox::Warning;
    }
    Q_UNREACHABLE();
}

// The buttons in the order they are shown; the first is the default.
QList<QMessageBox::StandardButton> buttonsOf(advisor::Message::Buttons buttons)
{
    switch (buttons) {
    case advisor::Message::Buttons::Ok:
        return {QMessageBox::Ok};
    case advisor::Message::Buttons::YesNo:
        return {QMessageBox::Yes, QMessageBox::No};
    case advisor::Message::Buttons::OkCancel:
        return {QMessageBox::Ok, QMessageBox::Cancel};
    }
    Q_UNREACHABLE();
}

advisor::Answer answerOf(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Cancel:
        return advisor::Answer::Cancel;
    case QMessageBox::Yes:
        return advisor::Answer::Yes;
    case QMessageBox::No:
        return advisor::Answer::No;
    default:
        return advisor::Answer::Ok;
    }
}

} // namespace

QtMessageBoxes::QtMessageBoxes(QWidget *owner)
    : m_owner(owner)
{
}

advisor::Answer QtMessageBoxes::show(const advisor::Message &message)
{
    QMessageBox box(iconOf(message.icon), message.title, message.text, QMessageBox::NoButton, m_owner);
    const QList<QMessageBox::StandardButton> buttons = buttonsOf(message.buttons);
    for (QMessageBox::StandardButton button : buttons)
        box.addButton(button);
    // Qt leaves the default open for Yes/No; it is always the first button.
    box.setDefaultButton(buttons.constFirst());
    box.exec();
    return answerOf(box.standardButton(box.clickedButton()));
}

} // namespace platform
