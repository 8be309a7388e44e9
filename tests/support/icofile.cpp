#include "icofile.h"

#include "littleendianreader.h"

#include <QtEndian>

namespace {

int rowBytes(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// Where pixel x of row y (from the top) starts in a bottom-up bitmap.
qsizetype pixelAt(const IcoFile::Image &image, int x, int y, int bitsPerPixel)
{
    const int row = image.header.height / 2 - 1 - y;
    return qsizetype(row) * rowBytes(image.header.width, bitsPerPixel) + x * bitsPerPixel / 8;
}

// The header, colour table, colour bits and mask of a BMP image, which must
// fill it exactly.
bool readBitmap(IcoFile::Image *image)
{
    LittleEndianReader in(image->data);
    IcoFile::Image::Header &header = image->header;
    header.size = in.u32();
    header.width = int(in.u32());
    header.height = int(in.u32());
    header.planes = in.u16();
    header.bitCount = in.u16();
    header.compression = in.u32();
    in.seek(32);
    header.coloursUsed = in.u32();
    in.seek(header.size);
    if (header.bitCount <= 8) {
        const quint32 entries = header.coloursUsed ? header.coloursUsed : 1u << header.bitCount;
        for (quint32 entry = 0; entry < entries && in.ok(); ++entry)
            image->colourTable.append(0xff000000u | in.u32()); // blue, green, red, reserved
    }
    const int rows = header.height / 2;
    image->colourBits = in.bytes(qsizetype(rowBytes(header.width, header.bitCount)) * rows);
    image->maskBits = in.bytes(qsizetype(rowBytes(header.width, 1)) * rows);
    return in.ok() && in.atEnd();
}

IcoFile failed(IcoFile ico, const QString &why)
{
    ico.valid = false;
    ico.error = why.toUtf8();
    return ico;
}

} // namespace

bool IcoFile::Image::maskSet(int x, int y) const
{
    return quint8(maskBits.at(pixelAt(*this, x, y, 1))) & (0x80 >> (x % 8));
}

int IcoFile::Image::paletteIndex(int x, int y) const
{
    return quint8(colourBits.at(pixelAt(*this, x, y, 8)));
}

QRgb IcoFile::Image::argb(int x, int y) const
{
    return qFromLittleEndian<quint32>(colourBits.constData() + pixelAt(*this, x, y, 32));
}

IcoFile readIcoFile(const QByteArray &bytes)
{
    IcoFile ico;
    LittleEndianReader in(bytes);
    ico.reserved = in.u16();
    ico.type = in.u16();
    const int count = in.u16();
    for (int index = 0; index < count && in.ok(); ++index) {
        IcoFile::Image image;
        image.width = in.u8();
        image.height = in.u8();
        image.colourCount = in.u8();
        in.u8(); // reserved
        image.planes = in.u16();
        image.bitCount = in.u16();
        const quint32 size = in.u32();
        LittleEndianReader imageBytes(bytes, in.u32());
        image.width = image.width ? image.width : 256;
        image.height = image.height ? image.height : 256;
        image.data = imageBytes.bytes(size);
        if (!imageBytes.ok())
            return failed(ico, QStringLiteral("image %1 lies outside the file").arg(index + 1));
        if (!image.isPng() && !readBitmap(&image))
            return failed(ico, QStringLiteral("the bitmap and mask of image %1 do not fill it exactly").arg(index + 1));
        ico.images.append(image);
    }
    if (!in.ok())
        return failed(ico, QStringLiteral("the header or directory is cut short"));
    ico.valid = true;
    return ico;
}
