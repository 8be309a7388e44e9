#include "runtimeerror.h"
#include "sizemodel.h"

#include <QTest>

using namespace advisor;

namespace {
const QString kAdjust = QStringLiteral("Adjust the sliders until you are happy with the proposed change in size.");
const QString kWhy = QStringLiteral("Why would you do that?");
const QString kMinor = QStringLiteral("A minor change in size, success is likely.");
const QString kCommon =
    QStringLiteral("This is the most common change in size. There is a 90% chance of success.");
const QString kMajor = QStringLiteral("Three inches added to any penis is a major change. Use with caution.");
const QString kHazardous = QStringLiteral("Adding more than 3 inches to any penis is very hazardous. ");
const QString kRealSize = QStringLiteral("Yeah right! Now choose your REAL size...");
const QString kTadpole = QStringLiteral(
    "That's ridiculous. A penis that size has no effect. You couldn't find it for the pubic hair. "
    "With most partners you'd be like a tadpole in the ocean.");
const QString kSheath = QStringLiteral(
    "Be careful with your penis. With most partners you will not be able to completely \"sheath your sword\".");
const QString kDifficult = QStringLiteral(
    "A penis of that size is difficult to manage. Your partner will be in constant pain and will not be able to "
    "walk straight.");
const QString kClickPreview = QStringLiteral("That's ridiculous. Click preview to see what that would look like!");
} // namespace

class tst_SizeModel : public QObject
{
    Q_OBJECT

private slots:
    void recommendation_data();
    void recommendation();
    void everyPairHasATextThatFollowsTheRules();
    void pictureWidth_data();
    void pictureWidth();
    void sizeCaption_data();
    void sizeCaption();
    void tintPictureNumber_data();
    void tintPictureNumber();
    void preview_data();
    void preview();
    void guardsRaiseOverflow_data();
    void guardsRaiseOverflow();
};

void tst_SizeModel::recommendation_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("desired");
    QTest::addColumn<QString>("text");

    // The change alone decides while sizes stay within 5..8 and the current size is at most 8.
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
    // The desired size has the last word.
    QTest::newRow("current 5, desired 3") << 5 << 3 << kTadpole;
    QTest::newRow("current 12, desired 4") << 12 << 4 << kTadpole;
    QTest::newRow("current 3, desired 4: minor change replaced") << 3 << 4 << kTadpole;
    QTest::newRow("current 7, desired 9: common change replaced") << 7 << 9 << kSheath;
    QTest::newRow("current 9, desired 9: desired wins over current") << 9 << 9 << kSheath;
    QTest::newRow("current 3, desired 10") << 3 << 10 << kSheath;
    QTest::newRow("current 7, desired 11") << 7 << 11 << kDifficult;
    QTest::newRow("current 14, desired 13") << 14 << 13 << kDifficult;
    QTest::newRow("current 7, desired 14") << 7 << 14 << kClickPreview;
    QTest::newRow("current 3, desired 14") << 3 << 14 << kClickPreview;
    QTest::newRow("current 14, desired 14") << 14 << 14 << kClickPreview;
}

void tst_SizeModel::recommendation()
{
    QFETCH(int, current);
    QFETCH(int, desired);
    QFETCH(QString, text);
    QCOMPARE(advisor::recommendation(current, desired), text);
}

void tst_SizeModel::everyPairHasATextThatFollowsTheRules()
{
    // Over the whole range, the text depends only on the desired size where
    // that size has a rule of its own.
    for (int current = kSmallestSize; current <= kLargestSize; ++current) {
        for (int desired = kSmallestSize; desired <= kLargestSize; ++desired) {
            const QString text = advisor::recommendation(current, desired);
            QVERIFY(!text.isEmpty());
            if (desired <= 4)
                QCOMPARE(text, kTadpole);
            else if (desired >= 8 && desired <= 10)
                QCOMPARE(text, kSheath);
            else if (desired >= 11 && desired <= 13)
                QCOMPARE(text, kDifficult);
            else if (desired == 14)
                QCOMPARE(text, kClickPreview);
            else if (current > 8)
                QCOMPARE(text, kRealSize);
        }
    }
}

void tst_SizeModel::pictureWidth_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");

    QTest::newRow("3") << 3 << 330 << 22;
    QTest::newRow("4") << 4 << 490 << 33;
    QTest::newRow("7, the reset size") << 7 << 970 << 65;
    QTest::newRow("8") << 8 << 1130 << 75;
    QTest::newRow("10") << 10 << 1450 << 97;
    QTest::newRow("14, still short of the picture's 150 px") << 14 << 2090 << 139;
}

void tst_SizeModel::pictureWidth()
{
    QFETCH(int, size);
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(pictureWidthTwips(size), twips);
    QCOMPARE(twipsToPixels(pictureWidthTwips(size)), pixels);
}

void tst_SizeModel::sizeCaption_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("caption");
    QTest::newRow("3") << 3 << QStringLiteral("3\"");
    QTest::newRow("7") << 7 << QStringLiteral("7\"");
    QTest::newRow("14: two digits, no blank") << 14 << QStringLiteral("14\"");
}

void tst_SizeModel::sizeCaption()
{
    QFETCH(int, size);
    QFETCH(QString, caption);
    QCOMPARE(advisor::sizeCaption(size), caption);
}

void tst_SizeModel::tintPictureNumber_data()
{
    QTest::addColumn<int>("tint");
    QTest::addColumn<int>("picture");
    QTest::newRow("darker end") << kDarkestTint << 1;
    QTest::newRow("reset") << kResetTint << 3;
    QTest::newRow("lighter end") << kLightestTint << 5;
}

void tst_SizeModel::tintPictureNumber()
{
    QFETCH(int, tint);
    QFETCH(int, picture);
    QCOMPARE(advisor::tintPictureNumber(tint), picture);
}

void tst_SizeModel::preview_data()
{
    QTest::addColumn<int>("desired");
    QTest::addColumn<bool>("available");
    QTest::newRow("13") << 13 << false;
    QTest::newRow("14") << 14 << true;
    QTest::newRow("3") << 3 << false;
}

void tst_SizeModel::preview()
{
    QFETCH(int, desired);
    QFETCH(bool, available);
    QCOMPARE(previewAvailable(desired), available);
}

void tst_SizeModel::guardsRaiseOverflow_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("desired");
    QTest::newRow("change below -32768") << 40000 << 5;
    QTest::newRow("change above 32767") << 5 << 40000;
}

void tst_SizeModel::guardsRaiseOverflow()
{
    // Out of the sliders' reach, but a wrapped change would pick a wrong text
    // silently; the guard makes it an error instead.
    QFETCH(int, current);
    QFETCH(int, desired);
    try {
        advisor::recommendation(current, desired);
        QFAIL("no error raised");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), RuntimeError::Overflow);
        QCOMPARE(error.message(), QStringLiteral("Run-time error '6':\n\nOverflow"));
    }
    QVERIFY_THROWS_EXCEPTION(RuntimeError, pictureWidthTwips(std::numeric_limits<int>::max()));
}

QTEST_APPLESS_MAIN(tst_SizeModel)
#include "tst_sizemodel.moc"
