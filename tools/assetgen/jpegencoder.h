#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace assetgen {

struct JpegOptions
{
    int quality = 90;
    bool fullChroma = false;  // 1x1 sampling for all three components
    int restartInterval = 0;  // MCUs, 0 for none
    int jfifMinorVersion = 1;
    int dotsPerInch = 0;      // 0 leaves the density unspecified
    bool adobeMarker = false; // APP14 "Adobe" with the colour transform
    QByteArray iccProfile;    // written as APP2 ICC_PROFILE markers if not empty
    struct AppMarker
    {
        int number; // n of APPn
        QByteArray data;
    };
    QList<AppMarker> extraMarkers; // written after the ICC profile
};

// A baseline sequential JPEG (YCbCr, 8 bits, Huffman tables optimised) of an
// opaque image, through libjpeg. libjpeg ends the program on its own errors.
QByteArray encodeJpeg(const QImage &image, const JpegOptions &options);

} // namespace assetgen
