#include "cdiologsilencer.h"
#include "libcdiotray.h"
#include "mcisendstring.h"
#include "mcistatus.h"
#include "outputcapture.h"
#include "usertexts.h"

#include <QByteArray>
#include <QTest>

#include <cdio/cdio.h>

#include <memory>

using namespace platform;

namespace {

// libcdio's handler takes no context, so what it hears is counted here.
int g_heardMessages = 0;

void countMessage(cdio_log_level_t, const char[])
{
    ++g_heardMessages;
}

bool machineHasDrive()
{
    const CdioLogSilencer silencer;
    const std::unique_ptr<char, decltype(&cdio_free)> device(cdio_get_default_device(nullptr), &cdio_free);
    return device != nullptr;
}

} // namespace

class tst_LibcdioTray : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void noDriveIsReportedQuietly();
    void badDeviceIsReportedQuietly_data();
    void badDeviceIsReportedQuietly();
    void silencerKeepsLibcdioQuietAndAlive();
    void silencerPutsThePreviousHandlerBack();
    void silencerNeverLeavesANullHandler();
};

void tst_LibcdioTray::init()
{
    g_heardMessages = 0;
}

void tst_LibcdioTray::cleanup()
{
    cdio_log_set_handler(&cdio_default_log_handler);
}

void tst_LibcdioTray::noDriveIsReportedQuietly()
{
    if (machineHasDrive())
        QSKIP("This machine has a CD drive; its tray is not moved by tests.");

    LibcdioTray tray;
    char reply[100] = "x";
    unsigned opened = 0;
    unsigned closed = 0;
    unsigned sent = 0;
    QString sequenceOpened;
    QString sequenceClosed;
    QByteArray printed;
    {
        OutputCapture capture;
        opened = tray.open();
        closed = tray.close();
        sent = mciSendString(texts::kOpenTray.constData(), reply, sizeof reply, 0);
        sequenceOpened = SendMciCommand(QString::fromLatin1(texts::kOpenTray), 0);
        sequenceClosed = SendMciCommand(QString::fromLatin1(texts::kCloseTray), 0);
        printed = capture.text();
    }

    QCOMPARE(opened, mci::DeviceNotInstalled);
    QCOMPARE(closed, mci::DeviceNotInstalled);
    QCOMPARE(sent, mci::DeviceNotInstalled);
    QCOMPARE(reply[0], '\0');
    // The Apply sequence carries on with an empty reply.
    const QString emptyReply = QChar(u'\0') + QString(99, QLatin1Char(' '));
    QCOMPARE(sequenceOpened, emptyReply);
    QCOMPARE(sequenceClosed, emptyReply);
    QCOMPARE(printed, QByteArray());
}

void tst_LibcdioTray::badDeviceIsReportedQuietly_data()
{
    QTest::addColumn<QByteArray>("device");
    QTest::addColumn<unsigned>("openStatus");
    QTest::addColumn<unsigned>("closeStatus");

    // libcdio warns on stderr about both without a handler of our own.
    QTest::newRow("missing") << QByteArray("/nonexistent/cdrom") << mci::DeviceNotReady << mci::Hardware;
    QTest::newRow("not a drive") << QByteArray("/dev/null") << mci::Hardware << mci::Hardware;
}

void tst_LibcdioTray::badDeviceIsReportedQuietly()
{
    QFETCH(QByteArray, device);
    QFETCH(unsigned, openStatus);
    QFETCH(unsigned, closeStatus);

    LibcdioTray tray(device);
    unsigned opened = 0;
    unsigned closed = 0;
    QByteArray printed;
    {
        OutputCapture capture;
        opened = tray.open();
        closed = tray.close();
        printed = capture.text();
    }

    QCOMPARE(printed, QByteArray());
    QCOMPARE(opened, openStatus);
    QCOMPARE(closed, closeStatus);
}

void tst_LibcdioTray::silencerKeepsLibcdioQuietAndAlive()
{
    QByteArray printed;
    {
        OutputCapture capture;
        const CdioLogSilencer silencer;
        cdio_warn("a warning");
        // libcdio's own handler would end the process here.
        cdio_log(CDIO_LOG_ERROR, "an error");
        printed = capture.text();
    }
    QCOMPARE(printed, QByteArray());
}

void tst_LibcdioTray::silencerPutsThePreviousHandlerBack()
{
    cdio_log_set_handler(&countMessage);
    {
        const CdioLogSilencer silencer;
        cdio_warn("while silenced");
        LibcdioTray(QByteArray("/nonexistent/cdrom")).open();
    }
    QCOMPARE(g_heardMessages, 0);

    cdio_warn("after");
    QCOMPARE(g_heardMessages, 1);

    // The tray silences each call on its own, and restores around it.
    LibcdioTray(QByteArray("/nonexistent/cdrom")).close();
    cdio_warn("after the tray");
    QCOMPARE(g_heardMessages, 2);
}

void tst_LibcdioTray::silencerNeverLeavesANullHandler()
{
    // libcdio calls a null handler as it is, and crashes.
    cdio_log_set_handler(nullptr);
    {
        const CdioLogSilencer silencer;
    }
    QVERIFY(cdio_log_set_handler(&countMessage) == &cdio_default_log_handler);
}

QTEST_APPLESS_MAIN(tst_LibcdioTray)

#include "tst_libcdiotray.moc"
