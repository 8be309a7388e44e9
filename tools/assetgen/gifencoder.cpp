#include "gifencoder.h"

#include <gif_lib.h>

#include <memory>
#include <stdexcept>

namespace assetgen {
namespace {

int appendToByteArray(GifFileType *gif, const GifByteType *data, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), length);
    return length;
}

[[noreturn]] void fail(const char *step, int error)
{
    const char *reason = GifErrorString(error);
    throw std::runtime_error(std::string("GIF encoder: ") + step + ": " + (reason ? reason : "unknown error"));
}

struct CloseWithoutResult
{
    void operator()(GifFileType *gif) const { EGifCloseFile(gif, nullptr); }
};

struct FreeColourMap
{
    void operator()(ColorMapObject *map) const { GifFreeMapObject(map); }
};

} // namespace

QByteArray encodeGif(const IndexedPicture &picture)
{
    const int width = picture.size.width();
    const int height = picture.size.height();
    if (picture.indices.size() != qsizetype(width) * height)
        throw std::invalid_argument("GIF encoder: pixel count does not match the picture size");

    QList<GifColorType> colours;
    for (const QRgb rgb : picture.palette)
        colours.append(GifColorType{GifByteType(qRed(rgb)), GifByteType(qGreen(rgb)), GifByteType(qBlue(rgb))});
    // giflib checks that the table size is a power of two.
    const std::unique_ptr<ColorMapObject, FreeColourMap> colourMap(
        GifMakeMapObject(int(colours.size()), colours.constData()));
    if (!colourMap)
        throw std::invalid_argument("GIF encoder: a colour table needs 2 to 256 entries, a power of two");

    QByteArray bytes;
    int error = 0;
    std::unique_ptr<GifFileType, CloseWithoutResult> gif(EGifOpen(&bytes, appendToByteArray, &error));
    if (!gif)
        fail("open", error);

    EGifSetGifVersion(gif.get(), true);
    if (EGifPutScreenDesc(gif.get(), width, height, picture.colourResolution, picture.backgroundIndex,
                          colourMap.get()) == GIF_ERROR)
        fail("screen descriptor", gif->Error);

    const GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0,
                                       picture.transparentIndex.value_or(NO_TRANSPARENT_COLOR)};
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, sizeof extension, extension) == GIF_ERROR)
        fail("graphic control extension", gif->Error);

    if (EGifPutImageDesc(gif.get(), 0, 0, width, height, false, nullptr) == GIF_ERROR)
        fail("image descriptor", gif->Error);
    QByteArray rows = picture.indices; // giflib wants writable lines
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<GifPixelType *>(rows.data() + qsizetype(y) * width);
        if (EGifPutLine(gif.get(), line, width) == GIF_ERROR)
            fail("image data", gif->Error);
    }

    if (EGifCloseFile(gif.release(), &error) == GIF_ERROR)
        fail("close", error);
    return bytes;
}

} // namespace assetgen
