#include "mcimediacontrol.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QStringList>

namespace platform {

namespace {

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

MciMediaControl::MciMediaControl()
    : m_backend(m_systemBackend)
{
}

MciMediaControl::MciMediaControl(MciBackend &backend)
    : m_backend(backend)
{
}

QString MciMediaControl::SendMciCommand(const QString &command, quintptr callbackWindow)
{
    QByteArray reply(kReplyLength, ' ');
    if (!command.contains(QChar(u'\0'))) {
        const QByteArray encoded = command.toLocal8Bit();
        m_backend.sendString(encoded.constData(), reply.data(), kReplyLength, callbackWindow);
    }
    return bufferText(reply);
}

} // namespace platform
