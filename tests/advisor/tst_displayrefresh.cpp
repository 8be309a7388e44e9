#include "displayrefresh.h"
#include "fakesliders.h"

#include <QStringList>
#include <QTest>

using namespace advisor;

namespace {

// Records every write as "what=value", in order.
struct RecordingDisplay final : Display
{
    QStringList writes;
    void setCurrentCaption(const QString &c) override { writes << QStringLiteral("currentCaption=") + c; }
    void setDesiredCaption(const QString &c) override { writes << QStringLiteral("desiredCaption=") + c; }
    void setPreviewVisible(bool v) override { writes << QStringLiteral("preview=%1").arg(v); }
    void setBeforePicture(int n) override { writes << QStringLiteral("beforePicture=%1").arg(n); }
    void setAfterPicture(int n) override { writes << QStringLiteral("afterPicture=%1").arg(n); }
    void setBeforeWidth(int t) override { writes << QStringLiteral("beforeWidth=%1").arg(t); }
    void setAfterWidth(int t) override { writes << QStringLiteral("afterWidth=%1").arg(t); }
    void setRecommendation(const QString &) override { writes << QStringLiteral("recommendation"); }
};

} // namespace

class tst_DisplayRefresh : public QObject
{
    Q_OBJECT

private slots:
    void writesEveryOutputInOrder_data();
    void writesEveryOutputInOrder();
};

void tst_DisplayRefresh::writesEveryOutputInOrder_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("desired");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::addColumn<QStringList>("writes");

    QTest::newRow("reset state")
        << 7 << 7 << 2 << 2
        << QStringList{"currentCaption=7\"", "desiredCaption=7\"", "preview=0", "beforePicture=3",
                       "afterPicture=3", "beforeWidth=970", "afterWidth=970", "recommendation"};
    QTest::newRow("extremes: pictures at their narrowest and widest, preview shown before the text")
        << 3 << 14 << 0 << 4
        << QStringList{"currentCaption=3\"", "desiredCaption=14\"", "preview=0", "beforePicture=1",
                       "afterPicture=5", "beforeWidth=330", "afterWidth=2090", "preview=1", "recommendation"};
    QTest::newRow("desired 13 hides the preview")
        << 14 << 13 << 4 << 0
        << QStringList{"currentCaption=14\"", "desiredCaption=13\"", "preview=0", "beforePicture=5",
                       "afterPicture=1", "beforeWidth=2090", "afterWidth=1930", "recommendation"};
}

void tst_DisplayRefresh::writesEveryOutputInOrder()
{
    QFETCH(int, current);
    QFETCH(int, desired);
    QFETCH(int, before);
    QFETCH(int, after);
    QFETCH(QStringList, writes);

    FakeSliders sliders;
    sliders.current = current;
    sliders.desired = desired;
    sliders.before = before;
    sliders.after = after;
    RecordingDisplay display;
    updateDisplay(sliders, display);
    QCOMPARE(display.writes, writes);
}

QTEST_APPLESS_MAIN(tst_DisplayRefresh)
#include "tst_displayrefresh.moc"
