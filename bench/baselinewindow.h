#pragma once

#include <QSize>

namespace bench {

// The start-up baselines are windows of the main window's client size;
// tst_benchharness checks this against the real frmControl.
inline constexpr QSize kMainWindowClientSize{442, 362};

} // namespace bench
