#pragma once

#include <QString>

// Resource paths of the pictures and icons built into the executable.
namespace assets {

// Tint picture 1 (darkest) to 5 (lightest).
QString tintPicture(int number);

} // namespace assets
