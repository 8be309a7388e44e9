#include "fontconfigpreload.h"

// The platform's fonts need no configuration loaded beforehand.
FontConfigPreload::FontConfigPreload() = default;
FontConfigPreload::~FontConfigPreload() = default;
void FontConfigPreload::wait() {}
