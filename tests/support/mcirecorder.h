#pragma once

#include <QByteArray>
#include <QList>

#include <functional>
#include <memory>

namespace platform {
class MciSendStringReplacement;
}

// Stands in for the platform's media-control string function while it
// lives, so that no tray moves: it notes every call as it reached the
// platform and answers as set, by default as a machine without a CD drive
// does (an empty reply and a status the program ignores). Only one lives at
// a time.
class MciRecorder
{
public:
    struct Call
    {
        QByteArray command;       // byte for byte
        QByteArray bufferOnEntry; // all returnLength bytes
        unsigned returnLength = 0;
        quintptr callbackWindow = 0;
    };

    MciRecorder();
    ~MciRecorder();

    QList<Call> calls;
    QList<QByteArray> commands() const;

    // The answer: a reply written with its NUL to the front of the buffer
    // (none at all when writesReply is false), and the status.
    bool writesReply = true;
    QByteArray reply;
    unsigned status;

    // Runs at each call, before it returns (the Apply tests look at the
    // window's state there).
    std::function<void(const QByteArray &command)> onCall;

private:
    std::unique_ptr<platform::MciSendStringReplacement> m_replacement;
};
