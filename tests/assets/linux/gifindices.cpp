#include "gifindices.h"

#include <gif_lib.h>

#include <cstring>

namespace {

struct MemoryInput
{
    const QByteArray *bytes;
    qsizetype position;
};

int readFromMemory(GifFileType *gif, GifByteType *buffer, int length)
{
    auto *input = static_cast<MemoryInput *>(gif->UserData);
    const qsizetype count = qMin<qsizetype>(length, input->bytes->size() - input->position);
    std::memcpy(buffer, input->bytes->constData() + input->position, std::size_t(count));
    input->position += count;
    return int(count);
}

} // namespace

QByteArray decodeGifIndices(const QByteArray &bytes)
{
    MemoryInput input{&bytes, 0};
    int error = 0;
    GifFileType *gif = DGifOpen(&input, readFromMemory, &error);
    if (!gif)
        return {};
    QByteArray indices;
    if (DGifSlurp(gif) == GIF_OK && gif->ImageCount > 0) {
        const SavedImage &image = gif->SavedImages[0];
        indices = QByteArray(reinterpret_cast<const char *>(image.RasterBits),
                             qsizetype(image.ImageDesc.Width) * image.ImageDesc.Height);
    }
    DGifCloseFile(gif, &error);
    return indices;
}
