#pragma once

// A CD drive simulated where libcdio meets the C library. fakecdrom.cpp,
// linked into a test, answers the calls libcdio makes to find a drive and
// move its tray (stat, fstat, open, ioctl, close, realpath, setmntent) as
// the Linux kernel does for one device node, hides every other drive node
// of the machine so no real tray ever moves, and logs each call it answers.
// The environment drives it; the simulation is off while kStateFile is unset.
namespace fakecdrom {

// The file holding the drive's state: "open" or "closed", then "disc" or
// "empty". The drive rewrites it whenever its tray moves.
inline constexpr char kStateFile[] = "FAKE_CDROM_STATE";
// The file the drive appends a line to for each call it answers, such as
// "ioctl CDROMEJECT = 0" or "close 7".
inline constexpr char kLogFile[] = "FAKE_CDROM_LOG";
// Where the drive appears, e.g. "/dev/sr0"; unset or empty: no drive at all.
inline constexpr char kNode[] = "FAKE_CDROM_NODE";
// An errno number: opening the node fails with it (13 for no permission).
inline constexpr char kOpenErrno[] = "FAKE_CDROM_OPEN_ERRNO";
// Set: the drive refuses to move its tray, as a busy or locked one does.
inline constexpr char kRefuses[] = "FAKE_CDROM_REFUSES";
// Milliseconds a tray movement takes; the moving call blocks that long.
inline constexpr char kMoveMs[] = "FAKE_CDROM_MOVE_MS";

} // namespace fakecdrom
