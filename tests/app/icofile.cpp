#include "icofile.h"

#include "littleendianreader.h"

namespace icofile {

QList<Image> read(const QByteArray &bytes, QString *error)
{
    LittleEndianReader reader(bytes);
    const quint16 reserved = reader.u16();
    const quint16 kind = reader.u16();
    const quint16 count = reader.u16();
    if (!reader.ok() || reserved != 0 || kind != 1) {
        *error = QStringLiteral("Not an icon file");
        return {};
    }
    QList<Image> images;
    for (int index = 0; index < count; ++index) {
        Image image;
        const QByteArray sizes = reader.bytes(4);
        image.planes = reader.u16();
        image.bitCount = reader.u16();
        const quint32 size = reader.u32();
        const quint32 offset = reader.u32();
        if (!reader.ok()) {
            *error = QStringLiteral("Icon directory truncated at entry %1").arg(index);
            return {};
        }
        image.width = quint8(sizes[0]) == 0 ? 256 : quint8(sizes[0]);
        image.height = quint8(sizes[1]) == 0 ? 256 : quint8(sizes[1]);
        image.colourCount = quint8(sizes[2]);
        LittleEndianReader imageReader(bytes, offset);
        image.data = imageReader.bytes(size);
        if (!imageReader.ok()) {
            *error = QStringLiteral("Image %1 lies outside the icon file").arg(index);
            return {};
        }
        images.append(image);
    }
    return images;
}

} // namespace icofile
