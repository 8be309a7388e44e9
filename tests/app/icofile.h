#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The images of an icon file (.ico) as its directory lists them.
namespace icofile {

struct Image
{
    int width = 0;          // 256 is stored as 0
    int height = 0;
    int colourCount = 0;    // 0 for 256 colours and more
    int planes = 0;
    int bitCount = 0;
    QByteArray data;        // the image as stored: a DIB or a PNG
};

// On malformed input an empty list and a description in *error.
QList<Image> read(const QByteArray &bytes, QString *error);

} // namespace icofile
