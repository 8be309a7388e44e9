#include "iconresources.h"

#include <QtEndian>

#include <stdexcept>

namespace assetgen {
namespace {

constexpr int kIconDirSize = 6;
constexpr int kIconDirEntrySize = 16;
constexpr int kEntryBytesKept = 12; // size, colours, planes, bit count, bytes
constexpr int kWordsPerLine = 16;

quint32 dwordAt(const QByteArray &bytes, qsizetype offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

// rc raw data: 16-bit little-endian words, sixteen to a line. (An odd last
// byte would need a string; .ico bitmaps and directories are all even.)
QByteArray rawData(quint16 id, int type, const QByteArray &bytes)
{
    if (bytes.size() % 2)
        throw std::invalid_argument("icon resources: raw data of an odd size");
    QByteArray script = QByteArray::number(id) + ' ' + QByteArray::number(type) + "\nBEGIN\n    ";
    for (qsizetype word = 0; word < bytes.size() / 2; ++word) {
        if (word > 0)
            script += word % kWordsPerLine ? ", " : ",\n    ";
        script += "0x" + QByteArray::number(qFromLittleEndian<quint16>(bytes.constData() + 2 * word), 16)
                             .rightJustified(4, '0');
    }
    return script + "\nEND\n";
}

} // namespace

QByteArray iconResourceScript(const QByteArray &icoFile, quint16 groupId, quint16 firstImageId)
{
    const int count = icoFile.size() < kIconDirSize ? 0 : qFromLittleEndian<quint16>(icoFile.constData() + 4);
    const qsizetype directoryEnd = kIconDirSize + qsizetype(kIconDirEntrySize) * count;
    if (count == 0 || icoFile.size() < directoryEnd)
        throw std::invalid_argument("icon resources: not an icon file");

    QByteArray script = "LANGUAGE 0, 0\n";
    QByteArray group = icoFile.left(kIconDirSize);
    for (int index = 0; index < count; ++index) {
        const qsizetype entry = kIconDirSize + qsizetype(kIconDirEntrySize) * index;
        const quint32 size = dwordAt(icoFile, entry + 8);
        const quint32 offset = dwordAt(icoFile, entry + 12);
        if (size == 0 || offset < directoryEnd || offset + qsizetype(size) > icoFile.size())
            throw std::invalid_argument("icon resources: an image lies outside the file");
        const quint16 id = quint16(firstImageId + index);
        group += icoFile.mid(entry, kEntryBytesKept);
        char rawId[2];
        qToLittleEndian(id, rawId);
        group.append(rawId, 2);
        script += rawData(id, 3, icoFile.mid(offset, size));
    }
    return script + rawData(groupId, 14, group);
}

} // namespace assetgen
