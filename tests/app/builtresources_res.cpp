#include "builtresources.h"

#include <QFile>

BuiltResources readBuiltResources()
{
    BuiltResources built;
    built.source = QString::fromUtf8(VANTELIX_TEST_RES_FILE);
    if (built.source.isEmpty())
        return built;
    QFile file(built.source);
    if (!file.open(QIODevice::ReadOnly)) {
        built.error = file.errorString();
        return built;
    }
    built.resources = resfile::read(file.readAll(), &built.error);
    return built;
}
