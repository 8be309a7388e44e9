// The font configuration loaded ahead of the first window: it loads on a
// worker thread, once, and is loaded when wait() returns; the font database
// then uses it rather than loading another.

#include "fontconfigpreload.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QMutex>
#include <QTest>

#include <fontconfig/fontconfig.h>

#include <dlfcn.h>

#include <thread>
#include <vector>

namespace {

struct FcInitCall
{
    std::thread::id thread;
    bool loaded = false;
};

// Every FcInit of the process, the font database's included.
QMutex callsMutex;
std::vector<FcInitCall> fcInitCalls;

std::vector<FcInitCall> callsSoFar()
{
    const QMutexLocker lock(&callsMutex);
    return fcInitCalls;
}

} // namespace

// Stands in for fontconfig's FcInit in this process and records who called it.
extern "C" FcBool FcInit()
{
    using Init = FcBool (*)();
    static const auto fontconfigInit = reinterpret_cast<Init>(dlsym(RTLD_NEXT, "FcInit"));
    const FcBool loaded = fontconfigInit();
    const QMutexLocker lock(&callsMutex);
    fcInitCalls.push_back({std::this_thread::get_id(), loaded == FcTrue});
    return loaded;
}

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
    QVERIFY2(callsSoFar().empty(), "the configuration was loaded before the test");

    FontConfigPreload preload;
    preload.wait();
    const std::vector<FcInitCall> calls = callsSoFar();
    QCOMPARE(calls.size(), 1u);
    QVERIFY(calls.front().thread != std::this_thread::get_id());
    QVERIFY(calls.front().loaded);

    preload.wait(); // a second wait returns at once
    QCOMPARE(callsSoFar().size(), 1u);
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
