#pragma once

#include <QByteArray>
#include <QList>
#include <QRgb>

// The blocks of a GIF file as its bytes lay them out, read without a GIF
// library so that the tests check what the file says, not what a decoder makes
// of it. Pixels come from giflib's decoder (linux/gifindices.h).
struct GifStructure
{
    struct Extension
    {
        int label = 0;
        QByteArray data; // the sub-blocks joined
    };
    struct Image
    {
        int left = 0, top = 0, width = 0, height = 0;
        bool hasLocalTable = false;
        bool interlaced = false;
        int extensionsBefore = 0; // how many extensions precede this image
    };

    bool valid = false;
    QByteArray error;
    QByteArray signature; // "GIF89a"
    int screenWidth = 0, screenHeight = 0;
    bool hasGlobalTable = false;
    int colourResolution = 0; // bits
    int globalTableSize = 0; // entries
    int backgroundIndex = 0;
    QList<QRgb> globalTable;
    QList<Extension> extensions;
    QList<Image> images;
    qsizetype bytesAfterTrailer = -1;

    const Extension *graphicControl() const;
};

GifStructure readGifStructure(const QByteArray &bytes);
