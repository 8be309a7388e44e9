#include "mcitray.h"

#include <QByteArray>
#include <QStringList>

namespace platform {

namespace {

constexpr unsigned kReplyLength = 100;
constexpr quintptr kNoCallbackWindow = 0;

// The buffer as text, every byte kept. Decoded between its NULs: the ANSI
// decoder takes a NUL in the last place for a terminator and drops it, which
// would shorten a reply that fills the buffer.
QString bufferText(const QByteArray &buffer)
{
    QStringList parts;
    for (const QByteArray &part : buffer.split('\0'))
        parts.append(QString::fromLocal8Bit(part));
    return parts.join(QChar(u'\0'));
}

} // namespace

MciTray::MciTray(MciSendStringFunction mciSendString)
    : m_mciSendString(mciSendString)
{
}

void MciTray::open()
{
    SendMciCommand(QStringLiteral("set cdaudio door open"), kNoCallbackWindow);
}

void MciTray::close()
{
    SendMciCommand(QStringLiteral("set cdaudio door closed "), kNoCallbackWindow);
}

QString MciTray::SendMciCommand(const QString &command, quintptr callbackWindow)
{
    QByteArray reply(kReplyLength, ' ');
    if (!command.contains(QChar(u'\0'))) {
        // toLocal8Bit() is the ANSI code page, which the narrow function reads.
        const QByteArray encoded = command.toLocal8Bit();
        m_mciSendString(encoded.constData(), reply.data(), kReplyLength, reinterpret_cast<HWND>(callbackWindow));
    }
    return bufferText(reply);
}

} // namespace platform
