#include "imagelist.h"

#include "runtimeerror.h"

ImageList::ImageList(const QStringList &pictureFiles, QObject *parent)
    : QObject(parent)
{
    m_pictures.reserve(pictureFiles.size());
    for (const QString &file : pictureFiles) {
        QPixmap picture(file);
        if (picture.isNull())
            throw advisor::RuntimeError(advisor::RuntimeError::InvalidPicture,
                                        QStringLiteral("Invalid picture: %1").arg(file));
        m_pictures.append(picture);
    }
}

const QPixmap &ImageList::picture(int number) const
{
    if (number < 1 || number > m_pictures.size())
        throw advisor::RuntimeError(advisor::RuntimeError::IndexOutOfBounds, QStringLiteral("Index out of bounds"));
    return m_pictures.at(number - 1);
}
