#include "assetfiles.h"

#include "aboutpictureartwork.h"
#include "gifencoder.h"
#include "icoencoder.h"
#include "iconartwork.h"
#include "iconresources.h"
#include "jpegencoder.h"
#include "photoshopresources.h"
#include "previewartwork.h"
#include "quantizer.h"
#include "tintpictures.h"

#include <QBuffer>
#include <QFile>

#include <stdexcept>

namespace assetgen {
namespace {

// The sRGB profile of Debian's icc-profiles-free; the build passes its path.
QByteArray srgbProfile()
{
    QFile file(QStringLiteral(ASSETGEN_SRGB_PROFILE));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read the sRGB profile " ASSETGEN_SRGB_PROFILE);
    return file.readAll();
}

QByteArray previewPicture()
{
    // The preview an image editor would keep beside the picture.
    const QSize thumbnailSize(68, 100);
    JpegOptions thumbnailOptions;
    thumbnailOptions.quality = 80;
    const QByteArray thumbnail = encodeJpeg(previewArtwork(thumbnailSize), thumbnailOptions);

    JpegOptions options;
    options.quality = 90;
    options.fullChroma = true;
    options.restartInterval = 43;
    options.jfifMinorVersion = 2;
    options.dotsPerInch = 72;
    options.adobeMarker = true;
    options.iccProfile = srgbProfile();
    options.extraMarkers.append({13, photoshopResourceBlock(thumbnail, thumbnailSize)});
    return encodeJpeg(previewArtwork(kPreviewSize), options);
}

QByteArray aboutPicture()
{
    IndexedPicture picture = quantizeMedianCut(aboutPictureArtwork(), 128);
    picture.colourResolution = 7;
    picture.backgroundIndex = 0;
    return encodeGif(picture);
}

QByteArray applicationIcon()
{
    QList<IconImage> images;
    for (const int size : {16, 32, 48})
        images.append({applicationIconArtwork(size, true), IconImage::Depth::Palette8});
    for (const int size : {16, 32, 48})
        images.append({applicationIconArtwork(size, false), IconImage::Depth::Bgra32});
    return encodeIco(images);
}

// The application icon's image of that size with its alpha channel, as the
// desktop's icon themes take it.
QByteArray desktopIcon(int size)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!applicationIconArtwork(size, false).save(&buffer, "PNG"))
        throw std::runtime_error("cannot write a desktop icon");
    return png;
}

QByteArray aboutIcon()
{
    return encodeIco({{aboutIconArtwork(), IconImage::Depth::Palette8}});
}

// The application icon as resources of the Windows executable, whose resource
// script (app/windows) includes this one.
QByteArray applicationIconResources(const QByteArray &icon)
{
    constexpr quint16 kGroupId = 1;
    constexpr quint16 kFirstImageId = 30001;
    const QByteArray comment = "// frmControl.ico as Windows resources, language-neutral: the images from "
                               + QByteArray::number(kFirstImageId) + " on and group " + QByteArray::number(kGroupId)
                               + ".\n// Written by tools/assetgen: run tools/generate-assets.sh.\n";
    return comment + iconResourceScript(icon, kGroupId, kFirstImageId);
}

} // namespace

QList<AssetFile> generateAssetFiles()
{
    const QByteArray icon = applicationIcon();
    QList<AssetFile> files;
    for (int number = 1; number <= kTintPictureCount; ++number)
        files.append({QStringLiteral("img%1.gif").arg(100 + number), encodeGif(tintPicture(number))});
    files.append({QStringLiteral("imgPreview.jpg"), previewPicture()});
    files.append({QStringLiteral("picIcon.gif"), aboutPicture()});
    files.append({QStringLiteral("frmControl.ico"), icon});
    files.append({QStringLiteral("frmControl.rc"), applicationIconResources(icon)});
    for (const int size : {16, 32, 48})
        files.append({QStringLiteral("frmControl-%1.png").arg(size), desktopIcon(size)});
    files.append({QStringLiteral("frmAbout.ico"), aboutIcon()});
    return files;
}

} // namespace assetgen
