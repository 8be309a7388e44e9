#pragma once

#include "applysequence.h"
#include "mcibackend.h"

namespace platform {

// The main window's media-control wrapper: one command string in, the whole
// reply buffer out. The status is not looked at, so a machine without a CD
// drive runs the Apply sequence just the same.
class MciMediaControl final : public advisor::MediaControl
{
public:
    static constexpr unsigned kReplyLength = 100;

    // Sends to the platform's own function.
    MciMediaControl();
    // Sends to the given backend, which must outlive this object.
    explicit MciMediaControl(MciBackend &backend);

    MciMediaControl(const MciMediaControl &) = delete;
    MciMediaControl &operator=(const MciMediaControl &) = delete;

    // Prepares kReplyLength spaces, sends the command in the local 8-bit
    // encoding and returns the buffer as text, untrimmed: the reply and its
    // terminating NUL at the front, the remaining spaces after it.
    //
    // A command holding a NUL character is not sent at all (the buffer comes
    // back as it was prepared): the platform would read only the part before
    // it, and that part could be a different command.
    QString SendMciCommand(const QString &command, quintptr callbackWindow) override;

private:
    SystemMciBackend m_systemBackend;
    MciBackend &m_backend;
};

} // namespace platform
