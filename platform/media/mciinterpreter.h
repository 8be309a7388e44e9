#pragma once

namespace platform {

class CdTray;

// The media-control string interface for platforms that lack one: the same
// arguments and status codes as the Windows function, with the tray commands
// carried out on the given tray.
//
// The reply of both commands is empty; it is written to the front of the
// buffer as a single NUL, and the rest of the buffer is left as it was.
// Refused without touching the tray: a null command, an empty, unknown or
// over-long one, a null buffer with a non-zero length, and a length too small
// for the reply (including 0). The reply is cleared first whenever the buffer
// allows it, so a refusal also leaves an empty reply.
unsigned interpretMciCommand(const char *command, char *returnBuffer, unsigned returnLength, CdTray &tray);

} // namespace platform
