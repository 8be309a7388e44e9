#include "gifstructure.h"

#include "littleendianreader.h"

namespace {

// Data sub-blocks up to and including the zero-length terminator, joined. A
// read past the end gives length 0 and leaves the reader not ok().
QByteArray subBlocks(LittleEndianReader &in)
{
    QByteArray joined;
    while (const int length = in.u8())
        joined.append(in.bytes(length));
    return joined;
}

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
    LittleEndianReader in(bytes);
    gif.signature = in.bytes(6);
    gif.screenWidth = in.u16();
    gif.screenHeight = in.u16();
    const int flags = in.u8();
    gif.hasGlobalTable = flags & 0x80;
    gif.colourResolution = ((flags >> 4) & 7) + 1;
    gif.globalTableSize = gif.hasGlobalTable ? 2 << (flags & 7) : 0;
    gif.backgroundIndex = in.u8();
    in.u8(); // pixel aspect ratio
    for (int i = 0; i < gif.globalTableSize; ++i) {
        const int red = in.u8();
        const int green = in.u8();
        gif.globalTable.append(qRgb(red, green, in.u8()));
    }
    if (!in.ok())
        return failed(gif, "header or colour table cut short");

    for (;;) {
        const int introducer = in.u8();
        if (!in.ok())
            return failed(gif, "no trailer");
        if (introducer == 0x3B) {
            gif.bytesAfterTrailer = bytes.size() - in.position();
            gif.valid = true;
            return gif;
        }
        if (introducer == 0x21) {
            GifStructure::Extension extension;
            extension.label = in.u8();
            extension.data = subBlocks(in);
            gif.extensions.append(extension);
        } else if (introducer == 0x2C) {
            GifStructure::Image image;
            image.left = in.u16();
            image.top = in.u16();
            image.width = in.u16();
            image.height = in.u16();
            const int imageFlags = in.u8();
            image.hasLocalTable = imageFlags & 0x80;
            image.interlaced = imageFlags & 0x40;
            image.extensionsBefore = int(gif.extensions.size());
            if (image.hasLocalTable)
                in.bytes(3 * (2 << (imageFlags & 7)));
            in.u8(); // LZW minimum code size
            subBlocks(in);
            gif.images.append(image);
        } else {
            return failed(gif, "unknown block");
        }
        if (!in.ok())
            return failed(gif, "block cut short");
    }
}
