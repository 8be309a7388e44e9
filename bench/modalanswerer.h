#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

namespace bench {

// Answers the message boxes the program opens, in order, from a poll as a
// quick user would, and notes on one clock when each was shown (from its
// show event) and when it was answered (just before the click).
class ModalAnswerer : public QObject
{
public:
    struct Box
    {
        QString text;
        qint64 shownNs = -1;
        qint64 answeredNs = -1;
    };

    // answers: the button clicked in each box, in order; a box beyond them
    // is left open.
    explicit ModalAnswerer(QList<QMessageBox::StandardButton> answers, QObject *parent = nullptr);
    ~ModalAnswerer() override;

    const QList<Box> &boxes() const { return m_boxes; }
    bool allAnswered() const { return m_answers.isEmpty(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void look();

    QList<QMessageBox::StandardButton> m_answers;
    QList<Box> m_boxes;
    QElapsedTimer m_clock;
    QTimer m_poll;
    QPointer<QMessageBox> m_current;
};

// Runs an event loop until done() holds or the time is up; true if it held.
bool runEventLoopUntil(const std::function<bool()> &done, int timeoutMs);

} // namespace bench
