#include "modalanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QTest>

namespace bench {

namespace {
constexpr int kPollMs = 1;
} // namespace

ModalAnswerer::ModalAnswerer(QList<QMessageBox::StandardButton> answers, QObject *parent)
    : QObject(parent)
    , m_answers(std::move(answers))
{
    m_clock.start();
    qApp->installEventFilter(this);
    m_poll.setTimerType(Qt::PreciseTimer);
    connect(&m_poll, &QTimer::timeout, this, &ModalAnswerer::look);
    m_poll.start(kPollMs);
}

ModalAnswerer::~ModalAnswerer()
{
    qApp->removeEventFilter(this);
}

bool ModalAnswerer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        if (auto *box = qobject_cast<QMessageBox *>(watched))
            m_boxes.append(Box{box->text(), m_clock.nsecsElapsed(), -1});
    }
    return QObject::eventFilter(watched, event);
}

void ModalAnswerer::look()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || box == m_current || m_answers.isEmpty() || m_boxes.isEmpty())
        return;
    m_current = box;
    QAbstractButton *button = box->button(m_answers.takeFirst());
    m_boxes.last().answeredNs = m_clock.nsecsElapsed();
    if (button)
        QTest::mouseClick(button, Qt::LeftButton);
    else
        box->reject();
}

bool runEventLoopUntil(const std::function<bool()> &done, int timeoutMs)
{
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&loop, &done] {
        if (done())
            loop.quit();
    });
    check.start(kPollMs);
    QTimer::singleShot(timeoutMs, &loop, [&loop] { loop.exit(1); });
    return done() || loop.exec() == 0;
}

} // namespace bench
