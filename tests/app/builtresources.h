#pragma once

#include "resfile.h"

#include <QList>
#include <QString>

// The resources the build gave the Windows executable, each with its type,
// name, language and data.
struct BuiltResources
{
    QString source;  // the file read; empty when the build made none (the test skips)
    QList<resfile::Resource> resources;
    QString error;   // why they could not be read
};

// A Windows build reads them back from the built executable through the
// platform's resource functions (windows/builtresources_exe.cpp); elsewhere
// from the .res that windres compiled from the same script
// (builtresources_res.cpp).
BuiltResources readBuiltResources();
