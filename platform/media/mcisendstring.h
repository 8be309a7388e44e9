#pragma once

#include <QtGlobal>

namespace platform {

// The platform's media-control string function, in the shape of the Windows
// one: sends one command string, writes the reply (NUL-terminated, at most
// returnLength bytes) to returnBuffer and returns 0 or an MCIERR_* status
// (see mcistatus.h).
//
// On Windows this is mciSendStringA of winmm, given everything verbatim.
// Elsewhere it is interpretMciCommand() on the default CD drive through
// libcdio: only "set cdaudio door open" and "set cdaudio door closed" are
// understood, callbackWindow is not used (there are no notifications), and
// nothing is printed. Either way the call blocks while the tray moves.
unsigned mciSendString(const char *command, char *returnBuffer, unsigned returnLength, quintptr callbackWindow);

} // namespace platform
