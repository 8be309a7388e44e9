#pragma once

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QStringList>

// An ordered set of pictures handed out by number, counted from 1. It draws
// nothing itself; pictures are decoded once, when the list is made.
class ImageList : public QObject
{
    Q_OBJECT

public:
    ImageList(const QStringList &pictureFiles, QObject *parent = nullptr);

    qsizetype count() const { return m_pictures.size(); }
    // Raises an IndexOutOfBounds error for a number outside 1..count().
    const QPixmap &picture(int number) const;

private:
    QList<QPixmap> m_pictures;
};
