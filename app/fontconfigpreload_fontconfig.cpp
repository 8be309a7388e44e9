#include "fontconfigpreload.h"

#include <fontconfig/fontconfig.h>

// FcInit loads the configuration once per process; the font database's own
// call finds it loaded. Were both to run at once, fontconfig keeps one of the
// two and frees the other, so an early window could not break anything.
FontConfigPreload::FontConfigPreload()
    : m_worker([] { FcInit(); })
{
}

FontConfigPreload::~FontConfigPreload() = default;

void FontConfigPreload::wait()
{
    if (m_worker.joinable())
        m_worker.join();
}
