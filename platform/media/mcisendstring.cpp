#include "mcisendstring.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QStringList>

#include <utility>

namespace platform {

namespace {

constexpr unsigned kReplyLength = 100;

// The platform's function, unless a test has put a stand-in in its place.
MciSendStringFunction g_mciSendString = &systemMciSendString;

// The buffer as text, every byte kept. Decoded between its NULs: on Windows
// the ANSI decoder takes a NUL in the last place for a terminator and drops
// it, which would shorten a reply that fills the buffer.
QString bufferText(const QByteArray &buffer)
{
    QStringList parts;
    for (const QByteArray &part : buffer.split('\0'))
        parts.append(QString::fromLocal8Bit(part));
    return parts.join(QChar(u'\0'));
}

} // namespace

QString SendMciCommand(const QString &command, quintptr callbackWindow)
{
    QByteArray reply(kReplyLength, ' ');
    if (!command.contains(QChar(u'\0'))) {
        const QByteArray encoded = command.toLocal8Bit();
        mciSendString(encoded.constData(), reply.data(), kReplyLength, callbackWindow);
    }
    return bufferText(reply);
}

unsigned mciSendString(const char *command, char *returnBuffer, unsigned returnLength, quintptr callbackWindow)
{
    return g_mciSendString(command, returnBuffer, returnLength, callbackWindow);
}

MciSendStringReplacement::MciSendStringReplacement(MciSendStringFunction replacement)
    : m_previous(std::exchange(g_mciSendString, replacement))
{
}

MciSendStringReplacement::~MciSendStringReplacement()
{
    g_mciSendString = m_previous;
}

} // namespace platform
