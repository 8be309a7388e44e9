#pragma once

// The lines a start-up probe writes to standard output, read back by
// vantelix-startup-bench:
//
//   first-paint vmhwm-kib=<peak resident size so far>   as the paint begins
//   frame-done                                          once it has finished
namespace bench {

inline constexpr char kFirstPaintMarker[] = "first-paint";
inline constexpr char kPeakResidentField[] = "vmhwm-kib=";
inline constexpr char kFrameDoneMarker[] = "frame-done";

} // namespace bench
