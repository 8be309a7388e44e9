#pragma once

#include <QByteArray>
#include <QList>

// The marker segments of a JPEG file up to its first scan, and the restart
// markers inside the entropy-coded data, read from the bytes themselves.
struct JpegMarkers
{
    struct Segment
    {
        int marker = 0; // 0xC0 for SOF0, 0xE0 for APP0 ...
        QByteArray payload;
    };

    bool valid = false;
    QByteArray error;
    QList<Segment> segments;       // from SOI to SOS, SOS included
    QList<int> restartMarkers;     // RSTn found in the scan data, n in order
    qsizetype bytesAfterEoi = -1;

    QList<Segment> all(int marker) const;
};

JpegMarkers readJpegMarkers(const QByteArray &bytes);

// Big-endian readers for the fields of a segment.
int bigEndian16(const QByteArray &bytes, qsizetype at);
quint32 bigEndian32(const QByteArray &bytes, qsizetype at);
