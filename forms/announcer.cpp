#include "announcer.h"

#include <QAccessibleWidget>

namespace {

// The notification within; a class of its own gives it its role.
class AnnouncerNotification : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;
};

// Qt owns the interfaces its factories make.
QAccessibleInterface *accessibleAnnouncer(const QString &className, QObject *object)
{
    if (className == QLatin1String("Announcer"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::StatusBar);
    if (className == QLatin1String("AnnouncerNotification"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
    , m_notification(nullptr)
{
    QAccessible::installFactory(&accessibleAnnouncer); // once: Qt ignores a repeat
    setObjectName(QStringLiteral("announcer"));
    setGeometry(0, 0, 0, 0);
    m_notification = new AnnouncerNotification(this);
    m_notification->setGeometry(0, 0, 0, 0);
    m_notification->hide();
}

void Announcer::announce(const QString &text)
{
    // Shown and hidden at once: nothing on the screen, and nothing left to
    // appear again with the window. A window not shown yet says nothing.
    m_notification->setAccessibleName(text);
    m_notification->show();
    m_notification->hide();
}

#include "announcer.moc"
