#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The bytes of a file built into the program, empty if it is missing.
inline QByteArray resourceBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
