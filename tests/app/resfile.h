#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The resources of a compiled resource file (.res, as rc and windres write
// it): a zero-length marker entry, then one header and one data block for
// each resource.
namespace resfile {

struct Id
{
    quint16 number = 0;
    QString name;       // set instead of number for a named type or resource

    QString toString() const { return name.isEmpty() ? QString::number(number) : name; }
};

struct Resource
{
    Id type;
    Id name;
    quint16 language = 0;
    QByteArray data;
};

// Every resource after the marker entry, in file order; on malformed input
// an empty list and a description in *error.
QList<Resource> read(const QByteArray &bytes, QString *error);

inline constexpr quint16 kIcon = 3;
inline constexpr quint16 kGroupIcon = 14;
inline constexpr quint16 kVersion = 16;

} // namespace resfile
