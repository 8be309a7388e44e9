#include "imagelist.h"

#include "runtimeerror.h"

ImageList::ImageList(const QStringList &pictureFiles, QObject *parent)
    : QObject(parent)
    , m_files(pictureFiles)
    , m_pictures(pictureFiles.size())
{
}

const QPixmap &ImageList::picture(int number) const
{
    if (number < 1 || number > m_files.size())
        throw core::RuntimeError(core::RuntimeError::IndexOutOfBounds, QStringLiteral("Index out of bounds"));
    QPixmap &picture = m_pictures[number - 1];
    if (picture.isNull()) {
        const QString &file = m_files.at(number - 1);
        picture = QPixmap(file);
        if (picture.isNull())
            throw core::RuntimeError(core::RuntimeError::InvalidPicture,
                                        QStringLiteral("Invalid picture: %1").arg(file));
    }
    return picture;
}
