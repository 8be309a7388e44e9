#pragma once

#include "controls.h"

namespace advisor {

// Recomputes everything shown from the four sliders: captions, pictures and
// their widths, the recommendation and the Preview button.
void updateDisplay(const Sliders &sliders, Display &display);

} // namespace advisor
