// The application icon and the About window's icon: the order, sizes and
// depths of their images, 256-colour tables and the AND masks, read from the
// icon files themselves.

#include "assetnames.h"
#include "filebytes.h"
#include "icofile.h"

#include <QIcon>
#include <QImageReader>
#include <QTest>

namespace {

IcoFile iconFile(const QString &path)
{
    return readIcoFile(fileBytes(path));
}

} // namespace

class TestIcons : public QObject
{
    Q_OBJECT

private slots:
    void imageCount_data();
    void imageCount();
    void directory_data();
    void directory();
    void paletteImagesAreOpaque_data();
    void paletteImagesAreOpaque();
    void alphaImagesMaskExactlyTheClearPixels_data();
    void alphaImagesMaskExactlyTheClearPixels();
    void aboutIconShape();
};

void TestIcons::imageCount_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("images");
    QTest::newRow("application icon") << assets::applicationIcon() << 6;
    QTest::newRow("About icon") << assets::aboutIcon() << 1;
}

void TestIcons::imageCount()
{
    QFETCH(QString, path);
    QFETCH(int, images);
    const IcoFile ico = iconFile(path);
    QVERIFY2(ico.valid, ico.error.constData());
    QCOMPARE(ico.reserved, 0);
    QCOMPARE(ico.type, 1);
    QCOMPARE(ico.images.size(), images);
    QCOMPARE(QImageReader(path).imageCount(), images);
    QVERIFY(!QIcon(path).isNull());
}

void TestIcons::directory_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("order"); // 1-based position in the file
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("bitsPerPixel");
    const QString application = assets::applicationIcon();
    QTest::newRow("application 1: 16 px, 256 colours") << application << 1 << 16 << 8;
    QTest::newRow("application 2: 32 px, 256 colours") << application << 2 << 32 << 8;
    QTest::newRow("application 3: 48 px, 256 colours") << application << 3 << 48 << 8;
    QTest::newRow("application 4: 16 px, alpha") << application << 4 << 16 << 32;
    QTest::newRow("application 5: 32 px, alpha") << application << 5 << 32 << 32;
    QTest::newRow("application 6: 48 px, alpha") << application << 6 << 48 << 32;
    QTest::newRow("About: 32 px, 256 colours") << assets::aboutIcon() << 1 << 32 << 8;
}

void TestIcons::directory()
{
    QFETCH(QString, path);
    QFETCH(int, order);
    QFETCH(int, size);
    QFETCH(int, bitsPerPixel);
    const IcoFile ico = iconFile(path);
    QVERIFY2(ico.valid, ico.error.constData());
    QVERIFY(order <= ico.images.size());
    const IcoFile::Image &image = ico.images.at(order - 1);

    QCOMPARE(image.width, size);
    QCOMPARE(image.height, size);
    QCOMPARE(image.colourCount, 0); // 256 colours or more
    QCOMPARE(image.planes, 1);
    QCOMPARE(image.bitCount, bitsPerPixel);

    // An uncompressed BMP whose header agrees with the directory.
    QVERIFY(!image.isPng());
    QCOMPARE(image.header.size, quint32(40));
    QCOMPARE(image.header.width, size);
    QCOMPARE(image.header.height, 2 * size);
    QCOMPARE(image.header.planes, 1);
    QCOMPARE(image.header.bitCount, bitsPerPixel);
    QCOMPARE(image.header.compression, quint32(0));
    QCOMPARE(image.colourTable.size(), bitsPerPixel == 8 ? 256 : 0);

    QImageReader reader(path);
    QVERIFY(reader.jumpToImage(order - 1));
    const QImage decoded = reader.read();
    QVERIFY2(!decoded.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(decoded.size(), QSize(size, size));
}

void TestIcons::paletteImagesAreOpaque_data()
{
    QTest::addColumn<int>("order");
    QTest::newRow("16 px") << 1;
    QTest::newRow("32 px") << 2;
    QTest::newRow("48 px") << 3;
}

void TestIcons::paletteImagesAreOpaque()
{
    QFETCH(int, order);
    const IcoFile ico = iconFile(assets::applicationIcon());
    QVERIFY(order <= ico.images.size());
    const IcoFile::Image &image = ico.images.at(order - 1);
    QCOMPARE(image.bitCount, 8);
    for (const char bits : image.maskBits)
        QCOMPARE(int(bits), 0);
}

void TestIcons::alphaImagesMaskExactlyTheClearPixels_data()
{
    QTest::addColumn<int>("order");
    QTest::newRow("16 px") << 4;
    QTest::newRow("32 px") << 5;
    QTest::newRow("48 px") << 6;
}

void TestIcons::alphaImagesMaskExactlyTheClearPixels()
{
    QFETCH(int, order);
    const IcoFile ico = iconFile(assets::applicationIcon());
    QVERIFY(order <= ico.images.size());
    const IcoFile::Image &image = ico.images.at(order - 1);
    QCOMPARE(image.bitCount, 32);

    int clear = 0, partial = 0, opaque = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const int alpha = qAlpha(image.argb(x, y));
            QVERIFY2(image.maskSet(x, y) == (alpha == 0), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            (alpha == 0 ? clear : alpha == 255 ? opaque : partial) += 1;
        }
    QVERIFY(clear > 0);
    QVERIFY(partial > 0);
    QVERIFY(opaque > image.width * image.height / 2);
}

void TestIcons::aboutIconShape()
{
    const IcoFile ico = iconFile(assets::aboutIcon());
    QCOMPARE(ico.images.size(), 1);
    const IcoFile::Image &image = ico.images.first();
    int opaque = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            if (!image.maskSet(x, y)) {
                ++opaque;
                continue;
            }
            // Under a set mask bit the colour is XORed onto the screen: it
            // must be black, or the transparent area would invert what lies behind.
            QCOMPARE(image.colourTable.value(image.paletteIndex(x, y)), qRgb(0, 0, 0));
        }
    QCOMPARE(opaque, 184);
}

QTEST_MAIN(TestIcons)
#include "tst_icons.moc"
