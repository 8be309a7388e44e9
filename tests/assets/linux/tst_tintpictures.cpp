// The five tint pictures of the Before and After display: GIF layout, one
// common outline that can be cut off from the right at any shown width, and
// brightness rising from the first to the last.

#include "assetnames.h"
#include "filebytes.h"
#include "gifindices.h"
#include "gifstructure.h"

#include <QImage>
#include <QSet>
#include <QTest>

namespace {

constexpr int kWidth = 150;
constexpr int kHeight = 20;
constexpr int kTransparent = 63;

struct Picture
{
    GifStructure gif;
    QByteArray indices;

    bool opaque(int x, int y) const { return static_cast<unsigned char>(indices.at(y * kWidth + x)) != kTransparent; }
};

Picture loadTintPicture(int number)
{
    const QByteArray bytes = fileBytes(assets::tintPicture(number));
    return {readGifStructure(bytes), decodeGifIndices(bytes)};
}

// First and last opaque row of a column, or {-1, -1} if it has none;
// `contiguous` tells whether everything in between is opaque too.
struct Span
{
    int top = -1, bottom = -1;
    bool contiguous = true;
    int height() const { return top < 0 ? 0 : bottom - top + 1; }
};

Span columnSpan(const Picture &picture, int x)
{
    Span span;
    for (int y = 0; y < kHeight; ++y)
        if (picture.opaque(x, y)) {
            if (span.top < 0)
                span.top = y;
            else if (span.bottom != y - 1)
                span.contiguous = false;
            span.bottom = y;
        }
    return span;
}

double luma(QRgb colour)
{
    return 0.299 * qRed(colour) + 0.587 * qGreen(colour) + 0.114 * qBlue(colour);
}

} // namespace

class TestTintPictures : public QObject
{
    Q_OBJECT

private slots:
    // Every test runs for each picture.
    void initTestCase_data();
    void initTestCase();
    void gifLayout();
    void colourTable();
    void outline();
    void roundedEnd();
    void sameOutlineAsTheFirst();
    void meanColour();
    void qtShowsTransparency();
};

void TestTintPictures::initTestCase_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<double>("luma");   // mean BT.601 luma of the opaque pixels
    QTest::addColumn<QColor>("colour"); // mean colour aimed at
    // The lumas lie further apart than twice the tolerance, so they also fix
    // the order from the darkest to the lightest.
    QTest::newRow("img101 darkest") << 1 << 64.4 << QColor(96, 55, 31);
    QTest::newRow("img102") << 2 << 99.7 << QColor(132, 90, 66);
    QTest::newRow("img103 middle") << 3 << 124.7 << QColor(162, 113, 86);
    QTest::newRow("img104") << 4 << 153.3 << QColor(183, 143, 128);
    QTest::newRow("img105 lightest") << 5 << 161.9 << QColor(182, 155, 146);
}

void TestTintPictures::initTestCase()
{
    // No picture for numbers outside the five.
    QVERIFY(assets::tintPicture(0).isEmpty());
    QVERIFY(assets::tintPicture(6).isEmpty());
}

void TestTintPictures::gifLayout()
{
    QFETCH_GLOBAL(int, number);
    const GifStructure gif = loadTintPicture(number).gif;
    QVERIFY2(gif.valid, gif.error.constData());

    QCOMPARE(gif.signature, QByteArray("GIF89a"));
    QCOMPARE(gif.screenWidth, kWidth);
    QCOMPARE(gif.screenHeight, kHeight);
    QVERIFY(gif.hasGlobalTable);
    QCOMPARE(gif.colourResolution, 6);
    QCOMPARE(gif.globalTableSize, 64);
    QCOMPARE(gif.backgroundIndex, kTransparent);
    QCOMPARE(gif.bytesAfterTrailer, 0);

    // One still image: no animation, no comment, no application block.
    QCOMPARE(gif.images.size(), 1);
    const GifStructure::Image &image = gif.images.first();
    QCOMPARE(image.left, 0);
    QCOMPARE(image.top, 0);
    QCOMPARE(image.width, kWidth);
    QCOMPARE(image.height, kHeight);
    QVERIFY(!image.hasLocalTable);
    QVERIFY(!image.interlaced);

    QCOMPARE(gif.extensions.size(), 1);
    QCOMPARE(image.extensionsBefore, 1);
    const GifStructure::Extension *control = gif.graphicControl();
    QVERIFY(control);
    QCOMPARE(control->data.size(), 4);
    QCOMPARE(control->data.at(0) & 0x01, 1); // transparency flag
    QCOMPARE(control->data.at(1) | control->data.at(2) << 8, 0); // delay
    QCOMPARE(static_cast<unsigned char>(control->data.at(3)), kTransparent);
}

void TestTintPictures::colourTable()
{
    QFETCH_GLOBAL(int, number);
    const Picture picture = loadTintPicture(number);
    QCOMPARE(picture.indices.size(), kWidth * kHeight);
    QCOMPARE(picture.gif.globalTable.value(kTransparent), qRgb(255, 255, 255));

    QSet<int> used;
    for (const char index : picture.indices)
        used.insert(static_cast<unsigned char>(index));
    QCOMPARE(used.size(), 64);

    // 63 colours really shown: no two opaque entries alike, none white.
    QSet<QRgb> opaqueColours;
    for (int index = 0; index < kTransparent; ++index)
        opaqueColours.insert(picture.gif.globalTable.at(index));
    QCOMPARE(opaqueColours.size(), 63);
    QVERIFY(!opaqueColours.contains(qRgb(255, 255, 255)));
}

void TestTintPictures::outline()
{
    QFETCH_GLOBAL(int, number);
    const Picture picture = loadTintPicture(number);
    QCOMPARE(picture.indices.size(), kWidth * kHeight);

    int opaquePixels = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            if (!picture.opaque(x, y))
                continue;
            ++opaquePixels;
            QVERIFY2(x >= 2 && x <= 147 && y <= 18, qPrintable(QStringLiteral("opaque at %1,%2").arg(x).arg(y)));
        }
    QCOMPARE(opaquePixels, 2055);

    // The body: rows 2 to 15 exactly, up to the straight edge at column 147.
    // Cut at any width it is shown at (22 pixels and more), a picture thus
    // ends on a whole body column: a shorter shape, its rounded end complete.
    for (int x = 18; x <= 147; ++x) {
        const Span span = columnSpan(picture, x);
        QVERIFY2(span.top == 2 && span.bottom == 15 && span.contiguous, qPrintable(QString::number(x)));
    }
    QCOMPARE(columnSpan(picture, 148).height(), 0);
    QCOMPARE(columnSpan(picture, 149).height(), 0);
}

void TestTintPictures::roundedEnd()
{
    QFETCH_GLOBAL(int, number);
    const Picture picture = loadTintPicture(number);

    // Columns 2 to 17 bulge above and below the body, reaching rows 0 and 18.
    int tallest = 2;
    for (int x = 2; x <= 17; ++x) {
        const Span span = columnSpan(picture, x);
        QVERIFY2(span.height() > 0 && span.contiguous, qPrintable(QString::number(x)));
        if (span.height() > columnSpan(picture, tallest).height())
            tallest = x;
    }
    QCOMPARE(columnSpan(picture, tallest).top, 0);
    QCOMPARE(columnSpan(picture, tallest).bottom, 18);
    QVERIFY(columnSpan(picture, 0).height() == 0 && columnSpan(picture, 1).height() == 0);

    // Rounded, not cut: from the tip each column encloses the one before it,
    // and after the widest point each one lies within the one before, down to
    // the body, so the outline never steps back out.
    for (int x = 3; x <= tallest; ++x) {
        const Span previous = columnSpan(picture, x - 1), current = columnSpan(picture, x);
        QVERIFY2(current.top <= previous.top && current.bottom >= previous.bottom, qPrintable(QString::number(x)));
    }
    for (int x = tallest + 1; x <= 18; ++x) {
        const Span previous = columnSpan(picture, x - 1), current = columnSpan(picture, x);
        QVERIFY2(current.top >= previous.top && current.bottom <= previous.bottom, qPrintable(QString::number(x)));
    }
    QVERIFY(columnSpan(picture, 2).height() < 14);
}

void TestTintPictures::sameOutlineAsTheFirst()
{
    QFETCH_GLOBAL(int, number);
    const Picture first = loadTintPicture(1);
    const Picture picture = loadTintPicture(number);
    QCOMPARE(picture.indices.size(), first.indices.size());
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            QVERIFY2(picture.opaque(x, y) == first.opaque(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
}

void TestTintPictures::meanColour()
{
    QFETCH_GLOBAL(int, number);
    QFETCH_GLOBAL(double, luma);
    QFETCH_GLOBAL(QColor, colour);
    const Picture picture = loadTintPicture(number);
    double red = 0, green = 0, blue = 0, lumaSum = 0;
    int pixels = 0;
    for (const char index : picture.indices) {
        if (static_cast<unsigned char>(index) == kTransparent)
            continue;
        const QRgb rgb = picture.gif.globalTable.at(static_cast<unsigned char>(index));
        red += qRed(rgb);
        green += qGreen(rgb);
        blue += qBlue(rgb);
        lumaSum += ::luma(rgb);
        ++pixels;
    }
    QVERIFY(pixels > 0);
    const double meanLuma = lumaSum / pixels;
    QVERIFY2(qAbs(meanLuma - luma) <= 3.0, qPrintable(QStringLiteral("mean luma %1").arg(meanLuma)));
    QVERIFY2(qAbs(red / pixels - colour.red()) <= 6.0, qPrintable(QString::number(red / pixels)));
    QVERIFY2(qAbs(green / pixels - colour.green()) <= 6.0, qPrintable(QString::number(green / pixels)));
    QVERIFY2(qAbs(blue / pixels - colour.blue()) <= 6.0, qPrintable(QString::number(blue / pixels)));
}

void TestTintPictures::qtShowsTransparency()
{
    QFETCH_GLOBAL(int, number);
    const QImage image(assets::tintPicture(number));
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(kWidth, kHeight));
    const Picture picture = loadTintPicture(number);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const QRgb shown = image.pixel(x, y);
            const int index = static_cast<unsigned char>(picture.indices.at(y * kWidth + x));
            if (index == kTransparent)
                QCOMPARE(qAlpha(shown), 0);
            else
                QCOMPARE(shown, picture.gif.globalTable.at(index) | 0xff000000u);
        }
}

QTEST_GUILESS_MAIN(TestTintPictures)
#include "tst_tintpictures.moc"
