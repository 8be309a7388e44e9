#include "builtresources.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>

namespace {

resfile::Id idOf(LPCWSTR id)
{
    resfile::Id result;
    if (IS_INTRESOURCE(id))
        result.number = quint16(reinterpret_cast<ULONG_PTR>(id));
    else
        result.name = QString::fromWCharArray(id);
    return result;
}

// The enumeration callbacks get the list being filled as their parameter.
BuiltResources &builtOf(LONG_PTR parameter)
{
    return *reinterpret_cast<BuiltResources *>(parameter);
}

BOOL CALLBACK readLanguage(HMODULE module, LPCWSTR type, LPCWSTR name, WORD language, LONG_PTR parameter)
{
    BuiltResources &built = builtOf(parameter);
    const HRSRC found = FindResourceExW(module, type, name, language);
    const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void *data = loaded ? LockResource(loaded) : nullptr;
    if (!data) {
        built.error = QStringLiteral("Resource type %1 name %2 is listed but cannot be loaded")
                          .arg(idOf(type).toString(), idOf(name).toString());
        return FALSE;
    }
    built.resources.append({idOf(type), idOf(name), language,
                            QByteArray(static_cast<const char *>(data), qsizetype(SizeofResource(module, found)))});
    return TRUE;
}

BOOL CALLBACK readName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR parameter)
{
    return EnumResourceLanguagesW(module, type, name, readLanguage, parameter);
}

BOOL CALLBACK readType(HMODULE module, LPWSTR type, LONG_PTR parameter)
{
    return EnumResourceNamesW(module, type, readName, parameter);
}

} // namespace

BuiltResources readBuiltResources()
{
    BuiltResources built;
    built.source = QDir::toNativeSeparators(QFileInfo(QString::fromUtf8(VANTELIX_TEST_EXE_FILE)).absoluteFilePath());
    // As data only: nothing of the program runs.
    const HMODULE module = LoadLibraryExW(reinterpret_cast<LPCWSTR>(built.source.utf16()), nullptr,
                                          LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module) {
        built.error = QStringLiteral("%1 cannot be opened (error %2)").arg(built.source).arg(GetLastError());
        return built;
    }
    if (!EnumResourceTypesW(module, readType, reinterpret_cast<LONG_PTR>(&built)) && built.error.isEmpty())
        built.error = QStringLiteral("The resources of %1 cannot be listed (error %2)")
                          .arg(built.source)
                          .arg(GetLastError());
    FreeLibrary(module);
    return built;
}
