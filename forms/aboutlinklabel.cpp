#include "aboutlinklabel.h"

#include <QAccessibleWidget>

namespace {

class AccessibleLink : public QAccessibleWidget
{
public:
    explicit AccessibleLink(QLabel *label)
        : QAccessibleWidget(label, QAccessible::Link)
    {
    }

    // Named by the address it shows, not by the caption beside it that
    // labels it.
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

// Qt owns the interfaces its factories make.
QAccessibleInterface *accessibleLink(const QString &className, QObject *object)
{
    if (className == QLatin1String("AboutLinkLabel"))
        return new AccessibleLink(static_cast<AboutLinkLabel *>(object));
    return nullptr;
}

} // namespace

AboutLinkLabel::AboutLinkLabel(QWidget *parent)
    : AboutHoverLabel(parent)
{
    QAccessible::installFactory(&accessibleLink); // once: Qt ignores a repeat
}
