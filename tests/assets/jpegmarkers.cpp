#include "jpegmarkers.h"

namespace {

int byteAt(const QByteArray &bytes, qsizetype at)
{
    return at < bytes.size() ? static_cast<unsigned char>(bytes.at(at)) : -1;
}

JpegMarkers failed(JpegMarkers markers, const char *why)
{
    markers.valid = false;
    markers.error = why;
    return markers;
}

} // namespace

QList<JpegMarkers::Segment> JpegMarkers::all(int marker) const
{
    QList<Segment> found;
    for (const Segment &segment : segments)
        if (segment.marker == marker)
            found.append(segment);
    return found;
}

int bigEndian16(const QByteArray &bytes, qsizetype at)
{
    return at + 2 <= bytes.size() ? byteAt(bytes, at) << 8 | byteAt(bytes, at + 1) : -1;
}

quint32 bigEndian32(const QByteArray &bytes, qsizetype at)
{
    return at + 4 <= bytes.size() ? quint32(bigEndian16(bytes, at)) << 16 | quint32(bigEndian16(bytes, at + 2)) : 0;
}

JpegMarkers readJpegMarkers(const QByteArray &bytes)
{
    JpegMarkers markers;
    if (byteAt(bytes, 0) != 0xFF || byteAt(bytes, 1) != 0xD8)
        return failed(markers, "no SOI");
    qsizetype at = 2;
    for (;;) {
        if (byteAt(bytes, at) != 0xFF)
            return failed(markers, "segment does not start with a marker");
        const int marker = byteAt(bytes, at + 1);
        const int length = bigEndian16(bytes, at + 2);
        if (marker < 0 || length < 2 || at + 2 + length > bytes.size())
            return failed(markers, "segment cut short");
        markers.segments.append({marker, bytes.mid(at + 4, length - 2)});
        at += 2 + length;
        if (marker == 0xDA)
            break;
    }

    // Entropy-coded data: 0xFF is followed by 0x00 (a stuffed byte) or a marker.
    for (; at + 1 < bytes.size(); ++at) {
        if (byteAt(bytes, at) != 0xFF)
            continue;
        const int next = byteAt(bytes, at + 1);
        if (next >= 0xD0 && next <= 0xD7) {
            markers.restartMarkers.append(next - 0xD0);
            ++at;
        } else if (next == 0xD9) {
            markers.bytesAfterEoi = bytes.size() - (at + 2);
            markers.valid = true;
            return markers;
        } else if (next != 0x00) {
            return failed(markers, "unexpected marker in the scan (a second scan?)");
        }
    }
    return failed(markers, "no EOI");
}
