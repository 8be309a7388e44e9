#pragma once

#include <QByteArray>

// Colour-table index of every pixel of the first image of a GIF file, row by
// row from the top, as giflib decodes it; empty if the file does not decode.
// Qt's own GIF reader gives colours only, never the indices.
QByteArray decodeGifIndices(const QByteArray &bytes);
