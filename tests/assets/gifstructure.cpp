#include "gifstructure.h"

namespace {

class ByteReader
{
public:
    explicit ByteReader(const QByteArray &bytes) : m_bytes(bytes) {}

    bool has(qsizetype count) const { return m_position + count <= m_bytes.size(); }
    int byte() { return has(1) ? static_cast<unsigned char>(m_bytes.at(m_position++)) : -1; }
    int word()
    {
        const int low = byte();
        const int high = byte();
        return low < 0 || high < 0 ? -1 : low | high << 8;
    }
    QByteArray take(qsizetype count)
    {
        const QByteArray part = m_bytes.mid(m_position, count);
        m_position += count;
        return part;
    }
    // Data sub-blocks up to and including the zero-length terminator.
    bool subBlocks(QByteArray *joined)
    {
        for (;;) {
            const int length = byte();
            if (length < 0 || !has(length))
                return false;
            if (length == 0)
                return true;
            joined->append(take(length));
        }
    }
    qsizetype remaining() const { return m_bytes.size() - m_position; }

private:
    const QByteArray &m_bytes;
    qsizetype m_position = 0;
};

GifStructure failed(GifStructure gif, const char *why)
{
    gif.valid = false;
    gif.error = why;
    return gif;
}

} // namespace

const GifStructure::Extension *GifStructure::graphicControl() const
{
    for (const Extension &extension : extensions)
        if (extension.label == 0xF9)
            return &extension;
    return nullptr;
}

GifStructure readGifStructure(const QByteArray &bytes)
{
    GifStructure gif;
    ByteReader in(bytes);
    if (!in.has(13))
        return failed(gif, "shorter than a header");
    gif.signature = in.take(6);
    gif.screenWidth = in.word();
    gif.screenHeight = in.word();
    const int flags = in.byte();
    gif.hasGlobalTable = flags & 0x80;
    gif.colourResolution = ((flags >> 4) & 7) + 1;
    gif.sorted = flags & 0x08;
    gif.globalTableSize = gif.hasGlobalTable ? 2 << (flags & 7) : 0;
    gif.backgroundIndex = in.byte();
    gif.aspectRatio = in.byte();
    if (!in.has(3 * gif.globalTableSize))
        return failed(gif, "colour table cut short");
    for (int i = 0; i < gif.globalTableSize; ++i) {
        const int red = in.byte(), green = in.byte(), blue = in.byte();
        gif.globalTable.append(qRgb(red, green, blue));
    }

    for (;;) {
        const int introducer = in.byte();
        if (introducer == 0x3B) {
            gif.bytesAfterTrailer = in.remaining();
            gif.valid = true;
            return gif;
        }
        if (introducer == 0x21) {
            GifStructure::Extension extension;
            extension.label = in.byte();
            if (extension.label < 0 || !in.subBlocks(&extension.data))
                return failed(gif, "extension cut short");
            gif.extensions.append(extension);
        } else if (introducer == 0x2C) {
            GifStructure::Image image;
            image.left = in.word();
            image.top = in.word();
            image.width = in.word();
            image.height = in.word();
            const int imageFlags = in.byte();
            if (imageFlags < 0)
                return failed(gif, "image descriptor cut short");
            image.hasLocalTable = imageFlags & 0x80;
            image.interlaced = imageFlags & 0x40;
            image.extensionsBefore = int(gif.extensions.size());
            if (image.hasLocalTable)
                in.take(3 * (2 << (imageFlags & 7)));
            QByteArray lzw;
            if (in.byte() < 0 || !in.subBlocks(&lzw))
                return failed(gif, "image data cut short");
            gif.images.append(image);
        } else {
            return failed(gif, "unknown block or missing trailer");
        }
    }
}
