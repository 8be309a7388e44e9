#include "assetnames.h"

namespace assets {

QString tintPicture(int number)
{
    if (number < 1 || number > kTintPictureCount)
        return {};
    return QStringLiteral(":/assets/img%1.gif").arg(100 + number);
}

QString previewPicture()
{
    return QStringLiteral(":/assets/imgPreview.jpg");
}

QString aboutPicture()
{
    return QStringLiteral(":/assets/picIcon.gif");
}

QString applicationIcon()
{
    return QStringLiteral(":/assets/frmControl.ico");
}

QString aboutIcon()
{
    return QStringLiteral(":/assets/frmAbout.ico");
}

} // namespace assets
