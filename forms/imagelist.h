#pragma once

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QStringList>

// An ordered set of pictures handed out by number, counted from 1. It draws
// nothing itself. Each picture is decoded the first time it is asked for and
// kept from then on, so start-up pays only for the pictures it shows.
class ImageList : public QObject
{
    Q_OBJECT

public:
    explicit ImageList(const QStringList &pictureFiles, QObject *parent = nullptr);

    // Raises IndexOutOfBounds for a number outside the list, and
    // InvalidPicture for a file that does not decode.
    const QPixmap &picture(int number) const;

private:
    QStringList m_files;
    mutable QList<QPixmap> m_pictures; // null until decoded
};
