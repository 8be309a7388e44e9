#include "icofile.h"

#include <QtEndian>

namespace {

int rowBytes(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

quint16 word(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 dword(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

int byteAt(const QByteArray &bytes, qsizetype at)
{
    return static_cast<unsigned char>(bytes.at(at));
}

IcoFile failed(IcoFile ico, const char *why)
{
    ico.valid = false;
    ico.error = why;
    return ico;
}

} // namespace

bool IcoFile::Image::maskSet(int x, int y) const
{
    const int row = height - 1 - y;
    return byteAt(maskBits, qsizetype(row) * rowBytes(width, 1) + x / 8) & (0x80 >> (x % 8));
}

int IcoFile::Image::paletteIndex(int x, int y) const
{
    const int row = height - 1 - y;
    return byteAt(colourBits, qsizetype(row) * rowBytes(width, 8) + x);
}

QRgb IcoFile::Image::argb(int x, int y) const
{
    const int row = height - 1 - y;
    return dword(colourBits, qsizetype(row) * rowBytes(width, 32) + 4 * x);
}

IcoFile readIcoFile(const QByteArray &bytes)
{
    IcoFile ico;
    if (bytes.size() < 6)
        return failed(ico, "no header");
    ico.reserved = word(bytes, 0);
    ico.type = word(bytes, 2);
    const int count = word(bytes, 4);
    if (bytes.size() < 6 + 16 * count)
        return failed(ico, "directory cut short");

    for (int i = 0; i < count; ++i) {
        const qsizetype entry = 6 + 16 * i;
        IcoFile::Image image;
        image.entryWidth = byteAt(bytes, entry) ? byteAt(bytes, entry) : 256;
        image.entryHeight = byteAt(bytes, entry + 1) ? byteAt(bytes, entry + 1) : 256;
        image.entryColourCount = byteAt(bytes, entry + 2);
        image.entryPlanes = word(bytes, entry + 4);
        image.entryBitCount = word(bytes, entry + 6);
        image.bytesInResource = dword(bytes, entry + 8);
        image.offset = dword(bytes, entry + 12);
        if (qsizetype(image.offset) + image.bytesInResource > bytes.size() || image.bytesInResource < 40)
            return failed(ico, "image outside the file");

        const QByteArray data = bytes.mid(image.offset, image.bytesInResource);
        image.isPng = data.startsWith("\x89PNG");
        if (image.isPng) {
            ico.images.append(image);
            continue;
        }
        image.headerSize = dword(data, 0);
        image.width = int(dword(data, 4));
        image.headerHeight = int(dword(data, 8));
        image.height = image.headerHeight / 2;
        image.planes = word(data, 12);
        image.bitCount = word(data, 14);
        image.compression = dword(data, 16);
        image.coloursUsed = dword(data, 32);

        qsizetype at = image.headerSize;
        if (image.bitCount <= 8) {
            const int entries = image.coloursUsed ? int(image.coloursUsed) : 1 << image.bitCount;
            if (at + 4 * entries > data.size())
                return failed(ico, "colour table cut short");
            for (int c = 0; c < entries; ++c)
                image.colourTable.append(0xff000000u | dword(data, at + 4 * c)); // B, G, R, reserved
            at += 4 * entries;
        }
        const qsizetype colourSize = qsizetype(rowBytes(image.width, image.bitCount)) * image.height;
        const qsizetype maskSize = qsizetype(rowBytes(image.width, 1)) * image.height;
        if (at + colourSize + maskSize != data.size())
            return failed(ico, "bitmap and mask do not fill the image exactly");
        image.colourBits = data.mid(at, colourSize);
        image.maskBits = data.mid(at + colourSize, maskSize);
        ico.images.append(image);
    }
    ico.valid = true;
    return ico;
}
