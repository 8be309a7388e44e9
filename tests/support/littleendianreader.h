#pragma once

#include <QByteArray>
#include <QString>

// Reads little-endian numbers and UTF-16 text from a byte buffer. A read past
// the end yields zeros and clears ok(), so a parser can check once at the end.
class LittleEndianReader
{
public:
    explicit LittleEndianReader(QByteArray bytes, qsizetype position = 0);

    bool ok() const { return m_ok; }
    bool atEnd() const { return m_position >= m_bytes.size(); }
    qsizetype position() const { return m_position; }
    void seek(qsizetype position);

    quint8 u8();
    quint16 u16();
    quint32 u32();
    QByteArray bytes(qsizetype count);
    QString utf16z();                      // up to and past a zero character
    void alignTo4(qsizetype origin = 0);   // resources pad to 32 bits

private:
    bool take(qsizetype count);

    QByteArray m_bytes;
    qsizetype m_position = 0;
    bool m_ok = true;
};
