#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

// Answers the message boxes an action opens, as a user would, and notes what
// each one showed. Answers are taken in order: a button is clicked, NoButton
// presses Enter and QMessageBox::Escape presses Escape.
class MessageBoxDriver : public QObject
{
public:
    struct Shown
    {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
        QWidget *owner;
        bool modal;
        qint64 shownAtMs;
    };

    explicit MessageBoxDriver(QObject *parent = nullptr);

    QList<QMessageBox::StandardButton> answers;
    // When set, picks each answer from the box itself instead of the list,
    // for a user whose answers cannot be known in advance.
    std::function<QMessageBox::StandardButton(const QMessageBox &)> chooser;
    // How long each box stays open before it is answered.
    int thinkingTimeMs = 0;
    // Runs right after each answer, in the same pass of the box's event loop,
    // before whoever opened the box has gone on: a fast user's next input.
    std::function<void(const QMessageBox &)> afterAnswer;
    QList<Shown> shown;
    QElapsedTimer clock;

    QStringList texts() const;

private:
    void look();
    void answer(QMessageBox *box);

    QTimer m_poll;
    QPointer<QMessageBox> m_current;
};
