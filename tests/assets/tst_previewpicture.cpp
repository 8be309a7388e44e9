// The Preview window's picture: a baseline JPEG whose markers carry the
// frame, restart interval, JFIF header, colour profile, Adobe transform and
// an image editor's thumbnail exactly as the program keeps them.

#include "assetnames.h"
#include "filebytes.h"
#include "jpegmarkers.h"

#include <QColor>
#include <QImage>
#include <QMap>
#include <QSet>
#include <QTest>

namespace {

constexpr int kWidth = 339;
constexpr int kHeight = 500;
constexpr int kRestartInterval = 43;

constexpr int kSOF0 = 0xC0;
constexpr int kDHT = 0xC4;
constexpr int kDRI = 0xDD;
constexpr int kSOS = 0xDA;
constexpr int kAPP0 = 0xE0;
constexpr int kAPP2 = 0xE2;
constexpr int kAPP13 = 0xED;
constexpr int kAPP14 = 0xEE;

JpegMarkers previewMarkers()
{
    return readJpegMarkers(fileBytes(assets::previewPicture()));
}

// The 8BIM image resources of a "Photoshop 3.0" block, by id.
QMap<int, QByteArray> imageResources(const QByteArray &payload)
{
    QMap<int, QByteArray> resources;
    const QByteArray signature("Photoshop 3.0\0", 14);
    if (!payload.startsWith(signature))
        return resources;
    qsizetype at = signature.size();
    while (at + 12 <= payload.size() && payload.mid(at, 4) == "8BIM") {
        const int id = bigEndian16(payload, at + 4);
        const int nameLength = static_cast<unsigned char>(payload.at(at + 6));
        at += 6 + (nameLength + 2) / 2 * 2; // Pascal string padded to even
        const quint32 size = bigEndian32(payload, at);
        resources.insert(id, payload.mid(at + 4, size));
        at += 4 + (size + 1) / 2 * 2;
    }
    return resources;
}

} // namespace

class TestPreviewPicture : public QObject
{
    Q_OBJECT

private slots:
    void markerLayout();
    void baselineFrame();
    void components_data();
    void components();
    void restartInterval();
    void jfifHeader();
    void iccProfile();
    void adobeMarker();
    void editorThumbnail();
    void qtShowsItAtNaturalSize();
};

void TestPreviewPicture::markerLayout()
{
    const JpegMarkers markers = previewMarkers();
    QVERIFY2(markers.valid, markers.error.constData());
    QCOMPARE(markers.bytesAfterEoi, 0);
    QVERIFY(!markers.segments.isEmpty());
    QCOMPARE(markers.segments.first().marker, kAPP0); // JFIF right after SOI
    QCOMPARE(markers.segments.last().marker, kSOS);
    // Sequential: one frame, one scan.
    QCOMPARE(markers.all(kSOS).size(), 1);
    for (const JpegMarkers::Segment &segment : markers.segments)
        QVERIFY2(segment.marker == kSOF0 || segment.marker < 0xC0 || segment.marker > 0xCF || segment.marker == kDHT,
                 qPrintable(QStringLiteral("frame marker %1").arg(segment.marker, 0, 16)));
}

void TestPreviewPicture::baselineFrame()
{
    const QList<JpegMarkers::Segment> frames = previewMarkers().all(kSOF0);
    QCOMPARE(frames.size(), 1);
    const QByteArray &frame = frames.first().payload;
    QCOMPARE(int(static_cast<unsigned char>(frame.at(0))), 8); // bits per sample
    QCOMPARE(bigEndian16(frame, 1), kHeight);
    QCOMPARE(bigEndian16(frame, 3), kWidth);
    QCOMPARE(int(frame.at(5)), 3);
    QCOMPARE(frame.size(), 6 + 3 * 3);
}

void TestPreviewPicture::components_data()
{
    QTest::addColumn<int>("component"); // position in the frame header
    QTest::addColumn<int>("id");        // JFIF: 1 Y, 2 Cb, 3 Cr
    QTest::newRow("Y") << 0 << 1;
    QTest::newRow("Cb") << 1 << 2;
    QTest::newRow("Cr") << 2 << 3;
}

void TestPreviewPicture::components()
{
    QFETCH(int, component);
    QFETCH(int, id);
    const QByteArray frame = previewMarkers().all(kSOF0).value(0).payload;
    QCOMPARE(frame.size(), 15);
    QCOMPARE(int(frame.at(6 + 3 * component)), id);
    QCOMPARE(int(frame.at(7 + 3 * component)), 0x11); // no subsampling
}

void TestPreviewPicture::restartInterval()
{
    const JpegMarkers markers = previewMarkers();
    const QList<JpegMarkers::Segment> intervals = markers.all(kDRI);
    QCOMPARE(intervals.size(), 1);
    QCOMPARE(intervals.first().payload.size(), 2);
    QCOMPARE(bigEndian16(intervals.first().payload, 0), kRestartInterval);

    // 8 x 8 MCUs: one restart marker after every interval but the last,
    // numbered 0 to 7 round and round.
    const int mcus = ((kWidth + 7) / 8) * ((kHeight + 7) / 8);
    QCOMPARE(markers.restartMarkers.size(), (mcus + kRestartInterval - 1) / kRestartInterval - 1);
    for (int i = 0; i < markers.restartMarkers.size(); ++i)
        QCOMPARE(markers.restartMarkers.at(i), i % 8);
}

void TestPreviewPicture::jfifHeader()
{
    const QList<JpegMarkers::Segment> app0 = previewMarkers().all(kAPP0);
    QCOMPARE(app0.size(), 1);
    const QByteArray &jfif = app0.first().payload;
    QVERIFY(jfif.startsWith(QByteArray("JFIF\0", 5)));
    QCOMPARE(int(jfif.at(5)), 1);
    QCOMPARE(int(jfif.at(6)), 2);
    QCOMPARE(int(jfif.at(7)), 1); // dots per inch
    QCOMPARE(bigEndian16(jfif, 8), 72);
    QCOMPARE(bigEndian16(jfif, 10), 72);
}

void TestPreviewPicture::iccProfile()
{
    const QList<JpegMarkers::Segment> app2 = previewMarkers().all(kAPP2);
    QCOMPARE(app2.size(), 1);
    const QByteArray &chunk = app2.first().payload;
    QVERIFY(chunk.startsWith(QByteArray("ICC_PROFILE\0", 12)));
    QCOMPARE(int(chunk.at(12)), 1); // chunk 1
    QCOMPARE(int(chunk.at(13)), 1); // of 1
    const QByteArray profile = chunk.mid(14);

    QCOMPARE(bigEndian32(profile, 0), quint32(profile.size()));
    QCOMPARE(profile.mid(12, 4), QByteArray("mntr")); // display profile
    QCOMPARE(profile.mid(16, 4), QByteArray("RGB "));
    QCOMPARE(profile.mid(36, 4), QByteArray("acsp"));

    // The 'desc' tag names the colour space.
    QByteArray description;
    const quint32 tags = bigEndian32(profile, 128);
    for (quint32 tag = 0; tag < tags; ++tag) {
        const qsizetype entry = 132 + 12 * qsizetype(tag);
        if (profile.mid(entry, 4) != "desc")
            continue;
        const QByteArray text = profile.mid(bigEndian32(profile, entry + 4), bigEndian32(profile, entry + 8));
        QCOMPARE(text.left(4), QByteArray("desc"));
        description = text.mid(12, bigEndian32(text, 8)); // ASCII part, with its terminator
    }
    QVERIFY2(description.startsWith("sRGB"), description.constData());

    // The sRGB primaries, as D50-adapted colorants (s15Fixed16), to 3 decimals.
    const auto colorantX = [&profile, tags](const char *signature) {
        for (quint32 tag = 0; tag < tags; ++tag) {
            const qsizetype entry = 132 + 12 * qsizetype(tag);
            if (profile.mid(entry, 4) == signature)
                return qint32(bigEndian32(profile, bigEndian32(profile, entry + 4) + 8)) / 65536.0;
        }
        return -1.0;
    };
    QVERIFY(qAbs(colorantX("rXYZ") - 0.4361) < 0.002);
    QVERIFY(qAbs(colorantX("gXYZ") - 0.3851) < 0.002);
    QVERIFY(qAbs(colorantX("bXYZ") - 0.1431) < 0.002);
}

void TestPreviewPicture::adobeMarker()
{
    const QList<JpegMarkers::Segment> app14 = previewMarkers().all(kAPP14);
    QCOMPARE(app14.size(), 1);
    const QByteArray &adobe = app14.first().payload;
    QCOMPARE(adobe.size(), 12);
    QVERIFY(adobe.startsWith("Adobe"));
    QCOMPARE(bigEndian16(adobe, 5), 100);      // DCTEncode version
    QCOMPARE(int(adobe.at(11)), 1);            // transform: YCbCr
}

void TestPreviewPicture::editorThumbnail()
{
    const QList<JpegMarkers::Segment> app13 = previewMarkers().all(kAPP13);
    QCOMPARE(app13.size(), 1);
    const QMap<int, QByteArray> resources = imageResources(app13.first().payload);
    QVERIFY(resources.contains(0x040C));
    const QByteArray thumbnail = resources.value(0x040C);

    QCOMPARE(bigEndian32(thumbnail, 0), quint32(1)); // JPEG, RGB
    const int width = int(bigEndian32(thumbnail, 4));
    const int height = int(bigEndian32(thumbnail, 8));
    QVERIFY(width > 0 && width <= 160 && height > 0 && height <= 160);
    QVERIFY2(qAbs(double(width) / height - double(kWidth) / kHeight) < 0.02, "thumbnail keeps the proportions");
    QCOMPARE(bigEndian32(thumbnail, 12), quint32((width * 24 + 31) / 32 * 4));
    QCOMPARE(bigEndian32(thumbnail, 16), bigEndian32(thumbnail, 12) * quint32(height));
    const QByteArray jpeg = thumbnail.mid(28);
    QCOMPARE(bigEndian32(thumbnail, 20), quint32(jpeg.size()));
    QCOMPARE(bigEndian16(thumbnail, 24), 24);
    QCOMPARE(bigEndian16(thumbnail, 26), 1);

    const QImage decoded = QImage::fromData(jpeg, "JPEG");
    QCOMPARE(decoded.size(), QSize(width, height));
}

void TestPreviewPicture::qtShowsItAtNaturalSize()
{
    const QImage image(assets::previewPicture());
    QCOMPARE(image.size(), QSize(kWidth, kHeight));
    QVERIFY(!image.hasAlphaChannel());

    // A colourful comic, not a grey one: strongly saturated pixels of several hues.
    QSet<int> hues;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.hsvSaturation() > 120 && colour.value() > 80)
                hues.insert(colour.hsvHue() / 30);
        }
    QVERIFY2(hues.size() >= 5, qPrintable(QString::number(hues.size())));
}

QTEST_MAIN(TestPreviewPicture)
#include "tst_previewpicture.moc"
