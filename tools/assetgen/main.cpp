// assetgen <output-dir>: draws every picture and icon of the program and
// writes them into <output-dir>. The output depends on nothing but this code
// and the libraries it uses, so running it again gives the same bytes.

#include "assetfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include <cstdio>
#include <exception>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    const QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fputs("usage: assetgen <output-dir>\n", stderr);
        return 2;
    }
    const QDir outputDir(arguments.at(1));
    if (!outputDir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "assetgen: cannot create %s\n", qPrintable(outputDir.path()));
        return 1;
    }

    try {
        for (const assetgen::AssetFile &asset : assetgen::generateAssetFiles()) {
            const QString path = outputDir.filePath(asset.name);
            if (!writeFile(path, asset.bytes)) {
                std::fprintf(stderr, "assetgen: cannot write %s\n", qPrintable(path));
                return 1;
            }
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "assetgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
