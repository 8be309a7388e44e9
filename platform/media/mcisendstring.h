#pragma once

#include <QString>
#include <QtGlobal>

namespace platform {

// The program's media-control wrapper: one command string in, the whole reply
// buffer out. It prepares 100 spaces, sends the command in the local 8-bit
// encoding through mciSendString() with the buffer and its length, and
// returns the buffer as text, untrimmed: the reply and its terminating NUL at
// the front, the remaining spaces after it. The status is not looked at, so
// a machine without a CD drive runs the Apply sequence just the same.
//
// A command holding a NUL character is not sent at all (the buffer comes
// back as it was prepared): the platform would read only the part before it,
// and that part could be a different command.
QString SendMciCommand(const QString &command, quintptr callbackWindow);

// The platform's media-control string function, in the shape of the Windows
// one: sends one command string, writes the reply (NUL-terminated, at most
// returnLength bytes) to returnBuffer and returns 0 or an MCIERR_* status
// (see mcistatus.h). Either way the call blocks while the tray moves.
//
// On Windows this is mciSendStringA of winmm, given everything verbatim.
// Elsewhere it is interpretMciCommand() on the default CD drive through
// libcdio: only "set cdaudio door open" and "set cdaudio door closed" are
// understood, callbackWindow is not used (there are no notifications), and
// nothing is printed.
unsigned mciSendString(const char *command, char *returnBuffer, unsigned returnLength, quintptr callbackWindow);

// The platform's own function, which mciSendString() calls unless a test has
// replaced it.
unsigned systemMciSendString(const char *command, char *returnBuffer, unsigned returnLength, quintptr callbackWindow);

using MciSendStringFunction = unsigned (*)(const char *, char *, unsigned, quintptr);

// While it lives, mciSendString() calls `replacement` instead of the
// platform's function: a test sees exactly what would reach the platform,
// and no tray moves. Each puts back what it found.
class MciSendStringReplacement
{
public:
    explicit MciSendStringReplacement(MciSendStringFunction replacement);
    ~MciSendStringReplacement();

    MciSendStringReplacement(const MciSendStringReplacement &) = delete;
    MciSendStringReplacement &operator=(const MciSendStringReplacement &) = delete;

private:
    MciSendStringFunction m_previous;
};

} // namespace platform
