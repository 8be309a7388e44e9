#include "icoencoder.h"

#include "quantizer.h"

#include <QtEndian>

#include <stdexcept>

namespace assetgen {
namespace {

constexpr int kIconDirSize = 6;
constexpr int kIconDirEntrySize = 16;
constexpr int kBitmapInfoHeaderSize = 40;
constexpr int kPaletteEntries = 256;

void appendWord(QByteArray &bytes, quint16 value)
{
    char raw[2];
    qToLittleEndian(value, raw);
    bytes.append(raw, 2);
}

void appendDword(QByteArray &bytes, quint32 value)
{
    char raw[4];
    qToLittleEndian(value, raw);
    bytes.append(raw, 4);
}

int rowBytes(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// The AND mask, bottom row first: a set bit lets the screen show through.
QByteArray andMask(const QImage &image)
{
    const int stride = rowBytes(image.width(), 1);
    QByteArray mask(qsizetype(stride) * image.height(), '\0');
    for (int row = 0; row < image.height(); ++row) {
        const int y = image.height() - 1 - row;
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 0)
                mask[row * stride + x / 8] = char(mask.at(row * stride + x / 8) | (0x80 >> (x % 8)));
    }
    return mask;
}

QByteArray bitmapHeader(const QImage &image, int bitsPerPixel, quint32 pixelBytes)
{
    QByteArray header;
    appendDword(header, kBitmapInfoHeaderSize);
    appendDword(header, quint32(image.width()));
    appendDword(header, quint32(2 * image.height())); // colour bitmap and mask, stacked
    appendWord(header, 1);                             // planes
    appendWord(header, quint16(bitsPerPixel));
    appendDword(header, 0); // BI_RGB, uncompressed
    appendDword(header, pixelBytes);
    appendDword(header, 0); // no resolution
    appendDword(header, 0);
    appendDword(header, bitsPerPixel == 8 ? kPaletteEntries : 0);
    appendDword(header, 0);
    return header;
}

QByteArray paletteBitmap(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const int alpha = qAlpha(image.pixel(x, y)); alpha != 0 && alpha != 255)
                throw std::invalid_argument("icon: an 8-bit image has no partly transparent pixels");

    // Entry 0 stays black for the transparent pixels; the artwork gets the rest.
    const IndexedPicture reduced = quantizeMedianCut(image, kPaletteEntries - 1);
    QByteArray xorBits;
    const int stride = rowBytes(image.width(), 8);
    for (int row = 0; row < image.height(); ++row) {
        const int y = image.height() - 1 - row;
        for (int x = 0; x < image.width(); ++x)
            xorBits.append(char(qAlpha(image.pixel(x, y)) == 0 ? 0 : reduced.indexAt(x, y) + 1));
        xorBits.append(stride - image.width(), '\0');
    }
    const QByteArray mask = andMask(image);

    QByteArray bitmap = bitmapHeader(image, 8, quint32(xorBits.size() + mask.size()));
    appendDword(bitmap, 0); // black
    for (const QRgb colour : reduced.palette)
        appendDword(bitmap, quint32(colour & RGB_MASK)); // B, G, R, 0 in file order
    return bitmap + xorBits + mask;
}

QByteArray bgraBitmap(const QImage &image)
{
    QByteArray xorBits;
    for (int row = 0; row < image.height(); ++row) {
        const int y = image.height() - 1 - row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            appendDword(xorBits, qAlpha(pixel) == 0 ? 0u : quint32(pixel));
        }
    }
    const QByteArray mask = andMask(image);
    return bitmapHeader(image, 32, quint32(xorBits.size() + mask.size())) + xorBits + mask;
}

} // namespace

QByteArray encodeIco(const QList<IconImage> &images)
{
    QList<QByteArray> bitmaps;
    for (const IconImage &icon : images) {
        const QImage image = icon.image.convertToFormat(QImage::Format_ARGB32);
        if (image.width() != image.height() || image.width() < 1 || image.width() > 256)
            throw std::invalid_argument("icon: images are square, 1 to 256 pixels");
        bitmaps.append(icon.depth == IconImage::Depth::Palette8 ? paletteBitmap(image) : bgraBitmap(image));
    }

    QByteArray file;
    appendWord(file, 0);
    appendWord(file, 1); // icon, not cursor
    appendWord(file, quint16(images.size()));
    quint32 offset = quint32(kIconDirSize + kIconDirEntrySize * images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int size = images.at(i).image.width();
        const bool palette = images.at(i).depth == IconImage::Depth::Palette8;
        file.append(char(size == 256 ? 0 : size));
        file.append(char(size == 256 ? 0 : size));
        file.append('\0'); // colour count: 0 for 256 colours and more
        file.append('\0');
        appendWord(file, 1);
        appendWord(file, palette ? 8 : 32);
        appendDword(file, quint32(bitmaps.at(i).size()));
        appendDword(file, offset);
        offset += quint32(bitmaps.at(i).size());
    }
    for (const QByteArray &bitmap : bitmaps)
        file.append(bitmap);
    return file;
}

} // namespace assetgen
