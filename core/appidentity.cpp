#include "appidentity.h"

#include "buildidentity.h"

#include <QCoreApplication>

namespace identity {

QString title() { return QString::fromLatin1(build::kTitle); }
QString exeName() { return QString::fromLatin1(build::kExecutable); }
QString applicationId() { return QString::fromLatin1(build::kApplicationId); }
int major() { return build::kMajor; }
int minor() { return build::kMinor; }
int revision() { return build::kRevision; }

QString path() { return QCoreApplication::applicationDirPath(); }

QString versionLine()
{
    // Plain decimal digits: QString::number never uses the locale.
    return QStringLiteral("Version %1.%2.%3")
        .arg(QString::number(major()), QString::number(minor()), QString::number(revision()));
}

} // namespace identity
