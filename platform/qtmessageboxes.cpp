#include "qtmessageboxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace platform {

namespace {

QMessageBox::Icon iconOf(core::Message::Icon icon)
{
    switch (icon) {
    case core::Message::Icon::Information:
        return QMessageBox::Information;
    case core::Message::Icon::Exclamation:
        return QMessageBox::Warning;
    }
    Q_UNREACHABLE();
}

// The buttons in the order they are shown; the first is the default.
QList<QMessageBox::StandardButton> buttonsOf(core::Message::Buttons buttons)
{
    switch (buttons) {
    case core::Message::Buttons::Ok:
        return {QMessageBox::Ok};
    case core::Message::Buttons::YesNo:
        return {QMessageBox::Yes, QMessageBox::No};
    case core::Message::Buttons::OkCancel:
        return {QMessageBox::Ok, QMessageBox::Cancel};
    }
    Q_UNREACHABLE();
}

core::Answer answerOf(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Cancel:
        return core::Answer::Cancel;
    case QMessageBox::Yes:
        return core::Answer::Yes;
    case QMessageBox::No:
        return core::Answer::No;
    default:
        return core::Answer::Ok;
    }
}

} // namespace

QtMessageBoxes::QtMessageBoxes(QWidget *owner)
    : m_owner(owner)
{
}

void QtMessageBoxes::setOwner(QWidget *owner)
{
    m_owner = owner;
}

core::Answer QtMessageBoxes::show(const core::Message &message)
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
