#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The bytes of a file, or of one built into the program; empty if it cannot
// be read.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
