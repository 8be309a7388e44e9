#include "photoshopresources.h"

#include <QtEndian>

namespace assetgen {
namespace {

constexpr quint16 kResolutionInfo = 0x03ED;
constexpr quint16 kThumbnail = 0x040C;
constexpr quint32 kThumbnailJpegRgb = 1;

void appendBigEndian16(QByteArray &bytes, quint16 value)
{
    char raw[2];
    qToBigEndian(value, raw);
    bytes.append(raw, 2);
}

void appendBigEndian32(QByteArray &bytes, quint32 value)
{
    char raw[4];
    qToBigEndian(value, raw);
    bytes.append(raw, 4);
}

// "8BIM", the id, an empty name (a Pascal string padded to even length), the
// size and the data, padded to even length.
QByteArray resource(quint16 id, const QByteArray &data)
{
    QByteArray block("8BIM");
    appendBigEndian16(block, id);
    block.append(2, '\0');
    appendBigEndian32(block, quint32(data.size()));
    block.append(data);
    if (data.size() % 2)
        block.append('\0');
    return block;
}

QByteArray resolutionInfo(int dotsPerInch)
{
    QByteArray data;
    for (int axis = 0; axis < 2; ++axis) {
        appendBigEndian32(data, quint32(dotsPerInch) << 16); // 16.16 fixed point
        appendBigEndian16(data, 1);                           // pixels per inch
        appendBigEndian16(data, 1);                           // size shown in inches
    }
    return data;
}

QByteArray thumbnail(const QByteArray &jpeg, QSize size)
{
    const quint32 rowBytes = quint32((size.width() * 24 + 31) / 32 * 4);
    QByteArray data;
    appendBigEndian32(data, kThumbnailJpegRgb);
    appendBigEndian32(data, quint32(size.width()));
    appendBigEndian32(data, quint32(size.height()));
    appendBigEndian32(data, rowBytes);
    appendBigEndian32(data, rowBytes * quint32(size.height())); // size unpacked
    appendBigEndian32(data, quint32(jpeg.size()));
    appendBigEndian16(data, 24); // bits per pixel
    appendBigEndian16(data, 1);  // planes
    return data + jpeg;
}

} // namespace

QByteArray photoshopResourceBlock(const QByteArray &thumbnailJpeg, QSize thumbnailSize)
{
    QByteArray block("Photoshop 3.0");
    block.append('\0');
    block.append(resource(kResolutionInfo, resolutionInfo(72)));
    block.append(resource(kThumbnail, thumbnail(thumbnailJpeg, thumbnailSize)));
    return block;
}

} // namespace assetgen
