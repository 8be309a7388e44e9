#pragma once

#include <QByteArray>
#include <QList>
#include <QRgb>

// An icon file's directory and the BMP images it points to, read from the
// bytes: header fields, colour table, colour bits and AND mask.
struct IcoFile
{
    struct Image
    {
        // Directory entry.
        int entryWidth = 0, entryHeight = 0, entryColourCount = 0, entryPlanes = 0, entryBitCount = 0;
        quint32 bytesInResource = 0, offset = 0;
        bool isPng = false;
        // BITMAPINFOHEADER.
        quint32 headerSize = 0;
        int width = 0, height = 0; // height of the colour bitmap, half of the header's
        int headerHeight = 0, planes = 0, bitCount = 0;
        quint32 compression = 0, coloursUsed = 0;
        QList<QRgb> colourTable;
        QByteArray colourBits;
        QByteArray maskBits;

        // Top-down pixel access.
        bool maskSet(int x, int y) const;
        int paletteIndex(int x, int y) const; // 8 bpp
        QRgb argb(int x, int y) const;        // 32 bpp, alpha included
    };

    bool valid = false;
    QByteArray error;
    int reserved = -1, type = -1;
    QList<Image> images;
};

IcoFile readIcoFile(const QByteArray &bytes);
