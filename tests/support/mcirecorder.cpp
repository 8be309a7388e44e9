#include "mcirecorder.h"

#include "mcisendstring.h"
#include "mcistatus.h"

#include <cstring>

namespace {

// The platform's function is a plain function pointer, so its stand-in finds
// the recorder here.
MciRecorder *g_recorder = nullptr;

unsigned record(const char *command, char *returnBuffer, unsigned returnLength, quintptr callbackWindow)
{
    g_recorder->calls.append({QByteArray(command), QByteArray(returnBuffer, qsizetype(returnLength)), returnLength,
                              callbackWindow});
    if (g_recorder->writesReply)
        std::memcpy(returnBuffer, g_recorder->reply.constData(), std::size_t(g_recorder->reply.size()) + 1);
    if (g_recorder->onCall)
        g_recorder->onCall(QByteArray(command));
    return g_recorder->status;
}

} // namespace

MciRecorder::MciRecorder()
    : status(platform::mci::DeviceNotInstalled)
    , m_replacement(std::make_unique<platform::MciSendStringReplacement>(&record))
{
    Q_ASSERT(!g_recorder);
    g_recorder = this;
}

MciRecorder::~MciRecorder()
{
    g_recorder = nullptr;
}

QList<QByteArray> MciRecorder::commands() const
{
    QList<QByteArray> sent;
    for (const Call &call : calls)
        sent << call.command;
    return sent;
}
