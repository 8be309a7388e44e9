#include "resfile.h"

#include "littleendianreader.h"

namespace resfile {

namespace {

Id readId(LittleEndianReader &reader)
{
    Id id;
    const qsizetype start = reader.position();
    if (reader.u16() == 0xFFFF) {
        id.number = reader.u16();
    } else {
        reader.seek(start);
        id.name = reader.utf16z();
    }
    return id;
}

} // namespace

QList<Resource> read(const QByteArray &bytes, QString *error)
{
    LittleEndianReader reader(bytes);
    QList<Resource> resources;
    bool marker = true;
    while (!reader.atEnd()) {
        const qsizetype start = reader.position();
        const quint32 dataSize = reader.u32();
        const quint32 headerSize = reader.u32();
        Resource resource;
        resource.type = readId(reader);
        resource.name = readId(reader);
        reader.alignTo4(start);
        reader.u32(); // data version
        reader.u16(); // memory flags
        resource.language = reader.u16();
        reader.seek(start + headerSize);
        resource.data = reader.bytes(dataSize);
        reader.alignTo4(start);
        if (!reader.ok() || headerSize < 32) {
            *error = QStringLiteral("Truncated or malformed resource header at byte %1").arg(start);
            return {};
        }
        if (marker) {
            if (dataSize != 0 || resource.type.number != 0 || !resource.type.name.isEmpty()) {
                *error = QStringLiteral("No .res marker entry at the start");
                return {};
            }
            marker = false;
            continue;
        }
        resources.append(resource);
    }
    if (marker)
        *error = QStringLiteral("Empty resource file");
    return resources;
}

} // namespace resfile
