#include "runtimeerror.h"
#include "sizemodel.h"
#include "usertexts.h"

#include <QTest>

#include <limits>

using core::displayFor;
using core::RuntimeError;
using core::twipsToPixels;
using Shown = core::Display;
using namespace texts;

class tst_Display : public QObject
{
    Q_OBJECT

private slots:
    void recommendation_data();
    void recommendation();
    void everythingShown_data();
    void everythingShown();
    void guardsRaiseOverflow_data();
    void guardsRaiseOverflow();
};

void tst_Display::recommendation_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("desired");
    QTest::addColumn<QString>("text");

    // The change alone decides while the desired size is 5 to 7 and the
    // current size at most 8.
    QTest::newRow("no change") << 7 << 7 << kAdjust;
    QTest::newRow("one inch less") << 6 << 5 << kMinor;
    QTest::newRow("one inch more") << 6 << 7 << kMinor;
    QTest::newRow("two inches less") << 7 << 5 << kWhy;
    QTest::newRow("two inches more") << 5 << 7 << kCommon;
    QTest::newRow("three inches more") << 4 << 7 << kMajor;
    QTest::newRow("four inches more: hazardous, with its trailing blank") << 3 << 7 << kHazardous;
    // An implausible current size wins over the change...
    QTest::newRow("current 9, desired 7: real size, not why") << 9 << 7 << kRealSize;
    QTest::newRow("current 10, desired 6") << 10 << 6 << kRealSize;
    QTest::newRow("current 14, desired 5") << 14 << 5 << kRealSize;
    // ...but needs more than 8.
    QTest::newRow("current 8, desired 7: minor") << 8 << 7 << kMinor;
    QTest::newRow("current 8, desired 8: sheath") << 8 << 8 << kSheath;
    // The desired size has the last word, at both ends of each of its ranges.
    QTest::newRow("current 5, desired 3") << 5 << 3 << kTadpole;
    QTest::newRow("current 12, desired 4") << 12 << 4 << kTadpole;
    QTest::newRow("current 3, desired 4: minor change replaced") << 3 << 4 << kTadpole;
    QTest::newRow("current 5, desired 5: the change decides again") << 5 << 5 << kAdjust;
    QTest::newRow("current 7, desired 9: common change replaced") << 7 << 9 << kSheath;
    QTest::newRow("current 9, desired 9: desired wins over current") << 9 << 9 << kSheath;
    QTest::newRow("current 3, desired 10") << 3 << 10 << kSheath;
    QTest::newRow("current 7, desired 11") << 7 << 11 << kDifficult;
    QTest::newRow("current 14, desired 13") << 14 << 13 << kDifficult;
    QTest::newRow("current 7, desired 14") << 7 << 14 << kClickPreview;
    QTest::newRow("current 3, desired 14") << 3 << 14 << kClickPreview;
    QTest::newRow("current 14, desired 14") << 14 << 14 << kClickPreview;
}

void tst_Display::recommendation()
{
    QFETCH(int, current);
    QFETCH(int, desired);
    QFETCH(QString, text);
    QCOMPARE(displayFor({current, desired, 2, 2}).recommendation, text);
}

void tst_Display::everythingShown_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("desired");
    QTest::addColumn<int>("before"); // tint
    QTest::addColumn<int>("after");
    QTest::addColumn<Shown>("display");
    QTest::addColumn<int>("beforePixels"); // width at 15 twips to the pixel
    QTest::addColumn<int>("afterPixels");

    QTest::newRow("reset: middle tints, 970 twips, no Preview")
        << 7 << 7 << 2 << 2 << Shown{"7\"", "7\"", 3, 3, 970, 970, kAdjust, false} << 65 << 65;
    QTest::newRow("extremes: darker and lighter ends, narrowest and widest, Preview")
        << 3 << 14 << 0 << 4 << Shown{"3\"", "14\"", 1, 5, 330, 2090, kClickPreview, true} << 22 << 139;
    QTest::newRow("desired 13 hides the Preview")
        << 14 << 13 << 4 << 0 << Shown{"14\"", "13\"", 5, 1, 2090, 1930, kDifficult, false} << 139 << 129;
    QTest::newRow("sizes 4 and 8") << 4 << 8 << 1 << 3 << Shown{"4\"", "8\"", 2, 4, 490, 1130, kSheath, false}
                                   << 33 << 75;
    QTest::newRow("sizes 10 and 10") << 10 << 10 << 2 << 2 << Shown{"10\"", "10\"", 3, 3, 1450, 1450, kSheath, false}
                                     << 97 << 97;
}

void tst_Display::everythingShown()
{
    QFETCH(int, current);
    QFETCH(int, desired);
    QFETCH(int, before);
    QFETCH(int, after);
    QFETCH(Shown, display);
    QFETCH(int, beforePixels);
    QFETCH(int, afterPixels);

    const Shown shown = displayFor({current, desired, before, after});
    QCOMPARE(shown.currentCaption, display.currentCaption);
    QCOMPARE(shown.desiredCaption, display.desiredCaption);
    QCOMPARE(shown.beforePicture, display.beforePicture);
    QCOMPARE(shown.afterPicture, display.afterPicture);
    QCOMPARE(shown.beforeWidthTwips, display.beforeWidthTwips);
    QCOMPARE(shown.afterWidthTwips, display.afterWidthTwips);
    QCOMPARE(shown.recommendation, display.recommendation);
    QCOMPARE(shown.previewVisible, display.previewVisible);
    QCOMPARE(twipsToPixels(shown.beforeWidthTwips), beforePixels);
    QCOMPARE(twipsToPixels(shown.afterWidthTwips), afterPixels);
}

void tst_Display::guardsRaiseOverflow_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("desired");
    QTest::newRow("change below -32768") << 40000 << 5;
    QTest::newRow("change above 32767") << 5 << 40000;
    QTest::newRow("picture width beyond a whole number") << std::numeric_limits<int>::max() << 5;
}

void tst_Display::guardsRaiseOverflow()
{
    // Out of the sliders' reach, but a wrapped number would show a wrong text
    // or width silently; the guard makes it an error instead.
    QFETCH(int, current);
    QFETCH(int, desired);
    try {
        displayFor({current, desired, 2, 2});
        QFAIL("no error raised");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), RuntimeError::Overflow);
        QCOMPARE(error.message(), QStringLiteral("Run-time error '6':\n\nOverflow"));
    }
}

QTEST_APPLESS_MAIN(tst_Display)
#include "tst_display.moc"
