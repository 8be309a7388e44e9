#include "assetfiles.h"

#include "gifencoder.h"
#include "tintpictures.h"

namespace assetgen {

QList<AssetFile> generateAssetFiles()
{
    QList<AssetFile> files;
    for (int number = 1; number <= kTintPictureCount; ++number)
        files.append({QStringLiteral("img%1.gif").arg(100 + number), encodeGif(tintPicture(number))});
    return files;
}

} // namespace assetgen
