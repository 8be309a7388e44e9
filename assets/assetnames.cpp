#include "assetnames.h"

namespace assets {

QString tintPicture(int number)
{
    return QStringLiteral(":/assets/img%1.gif").arg(100 + number);
}

} // namespace assets
