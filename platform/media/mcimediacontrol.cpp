#include "mcimediacontrol.h"

#include <QByteArray>

namespace platform {

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
    return QString::fromLocal8Bit(reply);
}

} // namespace platform
