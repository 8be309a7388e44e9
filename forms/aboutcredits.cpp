#include "aboutcredits.h"

#include "buildidentity.h"

namespace about {

QString authorName() { return QStringLiteral("Dana Whitfield"); }
QString authorEmail() { return QStringLiteral("dana@vantelix.example"); }
QString website() { return QString::fromLatin1(build::kHomepage); }

QString creditLine() { return QStringLiteral("Everything: ") + authorName(); }
QString mailTarget() { return QStringLiteral("mailto:") + authorEmail(); }

} // namespace about
