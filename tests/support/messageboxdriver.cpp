#include "messageboxdriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTest>

MessageBoxDriver::MessageBoxDriver(QObject *parent)
    : QObject(parent)
{
    clock.start();
    m_poll.setInterval(2);
    connect(&m_poll, &QTimer::timeout, this, &MessageBoxDriver::look);
    m_poll.start();
}

QStringList MessageBoxDriver::texts() const
{
    QStringList result;
    for (const Shown &box : shown)
        result << box.text;
    return result;
}

void MessageBoxDriver::look()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || box == m_current)
        return;
    m_current = box;

    shown << Shown{box->windowTitle(),
                   box->text(),
                   box->icon(),
                   box->standardButtons(),
                   box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::NoButton,
                   box->parentWidget(),
                   box->windowModality() != Qt::NonModal,
                   clock.elapsed()};

    QTimer::singleShot(thinkingTimeMs, box, [this, box] { answer(box); });
}

void MessageBoxDriver::answer(QMessageBox *box)
{
    const QMessageBox::StandardButton choice = chooser           ? chooser(*box)
                                               : answers.isEmpty() ? QMessageBox::NoButton
                                                                   : answers.takeFirst();
    if (choice == QMessageBox::NoButton)
        QTest::keyClick(box, Qt::Key_Return);
    else if (choice == QMessageBox::Escape)
        QTest::keyClick(box, Qt::Key_Escape);
    else
        QTest::mouseClick(box->button(choice), Qt::LeftButton);
    if (afterAnswer)
        afterAnswer(*box);
}
