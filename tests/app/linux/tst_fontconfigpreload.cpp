// The font configuration loaded ahead of the first window: it loads on a
// worker thread, once, and is loaded when wait() returns; the font database
// then uses it rather than loading another.

#include "fontconfigpreload.h"

#include "fcinitrecorder.h"

#include <QFontDatabase>
#include <QTest>

#include <fontconfig/fontconfig.h>

class tst_FontConfigPreload : public QObject
{
    Q_OBJECT

private slots:
    // In this order: the first runs before anything in the process has
    // loaded the configuration.
    void loadsOnAWorkerThreadBeforeWaitReturns();
    void fontDatabaseKeepsTheLoadedConfiguration();
};

void tst_FontConfigPreload::loadsOnAWorkerThreadBeforeWaitReturns()
{
    QVERIFY2(fcinit::callsSoFar().empty(), "the configuration was loaded before the test");

    FontConfigPreload preload;
    preload.wait();
    const std::vector<fcinit::Call> calls = fcinit::callsSoFar();
    QCOMPARE(calls.size(), 1u);
    QVERIFY(calls.front().thread != std::this_thread::get_id());
    QVERIFY(calls.front().loaded);

    preload.wait(); // a second wait returns at once
    QCOMPARE(fcinit::callsSoFar().size(), 1u);
}

void tst_FontConfigPreload::fontDatabaseKeepsTheLoadedConfiguration()
{
    FcConfig *const loaded = FcConfigGetCurrent();
    QVERIFY(loaded);
    const FcFontSet *const systemFonts = FcConfigGetFonts(loaded, FcSetSystem);
    QVERIFY(systemFonts && systemFonts->nfont > 0);

    QVERIFY(QFontDatabase::families().contains(QStringLiteral("DejaVu Sans")));
    QCOMPARE(FcConfigGetCurrent(), loaded);
}

QTEST_MAIN(tst_FontConfigPreload)
#include "tst_fontconfigpreload.moc"
