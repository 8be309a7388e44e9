#pragma once

#include "cdtray.h"

#include <QString>
#include <QtGlobal>

#include <windows.h>

#include <mmsystem.h>

namespace platform {

// winmm's narrow media-control string function, or a stand-in of its type.
using MciSendStringFunction = decltype(&::mciSendStringA);

// The CD tray through winmm's media-control string interface. The status of
// a command is not looked at: a machine without a drive (winmm cannot load
// the CD audio driver) runs Apply just the same.
class MciTray final : public core::CdTray
{
public:
    explicit MciTray(MciSendStringFunction mciSendString = &::mciSendStringA);

    void open() override;  // "set cdaudio door open"
    void close() override; // "set cdaudio door closed "

    // One command string in, the whole reply buffer out: prepares 100
    // spaces, sends the command in the ANSI code page with the buffer, its
    // length and the callback window, and returns the buffer as text,
    // untrimmed (the reply and its NUL at the front). A command holding a
    // NUL is not sent at all: winmm would read only the part before it.
    QString SendMciCommand(const QString &command, quintptr callbackWindow);

private:
    MciSendStringFunction m_mciSendString;
};

} // namespace platform
