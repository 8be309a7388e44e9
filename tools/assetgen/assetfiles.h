#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace assetgen {

struct AssetFile
{
    QString name;
    QByteArray bytes;
};

// Every picture and icon of the program, with the file name it is kept under.
QList<AssetFile> generateAssetFiles();

} // namespace assetgen
