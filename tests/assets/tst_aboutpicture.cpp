// The About window's picture: a 48 x 48 GIF with a 128-colour table and no
// transparency.

#include "assetnames.h"
#include "filebytes.h"
#include "gifstructure.h"

#include <QImage>
#include <QSet>
#include <QTest>

class TestAboutPicture : public QObject
{
    Q_OBJECT

private slots:
    void gifLayout();
    void qtShowsItOpaque();
};

void TestAboutPicture::gifLayout()
{
    const GifStructure gif = readGifStructure(fileBytes(assets::aboutPicture()));
    QVERIFY2(gif.valid, gif.error.constData());
    QCOMPARE(gif.signature, QByteArray("GIF89a"));
    QCOMPARE(gif.screenWidth, 48);
    QCOMPARE(gif.screenHeight, 48);
    QVERIFY(gif.hasGlobalTable);
    QCOMPARE(gif.globalTableSize, 128);
    QCOMPARE(gif.colourResolution, 7);
    QCOMPARE(gif.backgroundIndex, 0);
    QCOMPARE(gif.bytesAfterTrailer, 0);

    QCOMPARE(gif.images.size(), 1);
    const GifStructure::Image &image = gif.images.first();
    QCOMPARE(image.left, 0);
    QCOMPARE(image.top, 0);
    QCOMPARE(image.width, 48);
    QCOMPARE(image.height, 48);
    QVERIFY(!image.hasLocalTable);
    QVERIFY(!image.interlaced);

    QCOMPARE(gif.extensions.size(), 1);
    QCOMPARE(image.extensionsBefore, 1);
    const GifStructure::Extension *control = gif.graphicControl();
    QVERIFY(control);
    QCOMPARE(control->data.size(), 4);
    QCOMPARE(control->data.at(0) & 0x01, 0); // transparency flag clear
}

void TestAboutPicture::qtShowsItOpaque()
{
    const QImage image(assets::aboutPicture());
    QCOMPARE(image.size(), QSize(48, 48));
    QSet<QRgb> colours;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) {
            QCOMPARE(qAlpha(image.pixel(x, y)), 255);
            colours.insert(image.pixel(x, y));
        }
    QVERIFY2(colours.size() > 16, "shaded artwork, not a flat placeholder");
    QVERIFY(colours.size() <= 128);
}

QTEST_MAIN(TestAboutPicture)
#include "tst_aboutpicture.moc"
