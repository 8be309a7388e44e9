#include "littleendianreader.h"

#include <QtEndian>

LittleEndianReader::LittleEndianReader(QByteArray bytes, qsizetype position)
    : m_bytes(std::move(bytes))
{
    seek(position);
}

void LittleEndianReader::seek(qsizetype position)
{
    if (position < 0 || position > m_bytes.size()) {
        m_ok = false;
        m_position = m_bytes.size();
        return;
    }
    m_position = position;
}

bool LittleEndianReader::take(qsizetype count)
{
    if (count < 0 || count > m_bytes.size() - m_position) {
        m_ok = false;
        m_position = m_bytes.size();
        return false;
    }
    return true;
}

quint8 LittleEndianReader::u8()
{
    if (!take(1))
        return 0;
    return quint8(m_bytes.at(m_position++));
}

quint16 LittleEndianReader::u16()
{
    if (!take(2))
        return 0;
    const auto value = qFromLittleEndian<quint16>(m_bytes.constData() + m_position);
    m_position += 2;
    return value;
}

quint32 LittleEndianReader::u32()
{
    if (!take(4))
        return 0;
    const auto value = qFromLittleEndian<quint32>(m_bytes.constData() + m_position);
    m_position += 4;
    return value;
}

QByteArray LittleEndianReader::bytes(qsizetype count)
{
    if (!take(count))
        return {};
    QByteArray result = m_bytes.mid(m_position, count);
    m_position += count;
    return result;
}

QString LittleEndianReader::utf16z()
{
    QString text;
    while (m_ok) {
        const quint16 unit = u16();
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    return text;
}

void LittleEndianReader::alignTo4(qsizetype origin)
{
    const qsizetype misalignment = (m_position - origin) % 4;
    if (misalignment != 0)
        seek(qMin(m_position + 4 - misalignment, m_bytes.size()));
}
