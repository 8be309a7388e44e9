#pragma once

#include <QByteArray>
#include <QList>
#include <QRgb>

// An icon file (.ico) as its bytes lay it out: the directory entries in
// order, the bytes each one points to and, for a BMP image, its header,
// colour table, colour bits and AND mask. Qt's reader shows none of the
// depths, tables or masks, so the tests read them here.
struct IcoFile
{
    struct Image
    {
        // The directory entry. 256 pixels are stored as 0; a colour count of 0
        // stands for 256 colours or more.
        int width = 0, height = 0, colourCount = 0, planes = 0, bitCount = 0;
        QByteArray data; // as stored: a BMP without its file header, or a PNG

        // A BMP's BITMAPINFOHEADER; its height counts the colour bitmap and
        // the mask together.
        struct Header
        {
            quint32 size = 0;
            int width = 0, height = 0, planes = 0, bitCount = 0;
            quint32 compression = 0, coloursUsed = 0;
        } header;
        QList<QRgb> colourTable;
        QByteArray colourBits;
        QByteArray maskBits;

        bool isPng() const { return data.startsWith("\x89PNG"); }
        // Pixels from the top left; the bitmap stores its rows bottom up.
        bool maskSet(int x, int y) const;
        int paletteIndex(int x, int y) const; // 8 bits per pixel
        QRgb argb(int x, int y) const;        // 32 bits per pixel, alpha included
    };

    bool valid = false;
    QByteArray error;
    int reserved = -1, type = -1;
    QList<Image> images;
};

IcoFile readIcoFile(const QByteArray &bytes);
