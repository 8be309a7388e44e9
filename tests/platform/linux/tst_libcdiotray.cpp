#include "fakecdrom.h"
#include "libcdiotray.h"
#include "outputcapture.h"

#include <cdio/logging.h>

#include <QByteArrayList>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <memory>

// The tray with the real libcdio, against the drive of fakecdrom.h.

namespace {

// How the drive of a row behaves.
enum class Drive { Ready, NoPermission, Refusing, Slow };

// The requests that can move a tray.
const QByteArrayList kTrayRequests{"CDROMEJECT", "CDROMCLOSETRAY", "CDROM_SEND_PACKET START STOP UNIT"};

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The tray requests in the drive's log, in the order received.
QByteArrayList trayRequests(const QByteArray &log)
{
    QByteArrayList requests;
    for (const QByteArray &line : log.split('\n')) {
        const QByteArray request = line.mid(6, line.indexOf(" =") - 6);
        if (line.startsWith("ioctl ") && kTrayRequests.contains(request))
            requests << request;
    }
    return requests;
}

int handlesLeftOpen(const QByteArray &log)
{
    int handles = 0;
    for (const QByteArray &line : log.split('\n')) {
        if (line.startsWith("open ") && !line.contains("= -1"))
            ++handles;
        else if (line.startsWith("close "))
            --handles;
    }
    return handles;
}

} // namespace

Q_DECLARE_METATYPE(Drive)

class tst_LibcdioTray : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void trayEndsWhereAsked_data();
    void trayEndsWhereAsked();
    void libcdioLogIsPutBack_data();
    void libcdioLogIsPutBack();

private:
    QString path(const char *name) const { return m_dir->filePath(QLatin1String(name)); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_LibcdioTray::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    qputenv(fakecdrom::kLogFile, QFile::encodeName(path("log")));
}

void tst_LibcdioTray::cleanup()
{
    for (const char *name : {fakecdrom::kStateFile, fakecdrom::kLogFile, fakecdrom::kNode, fakecdrom::kOpenErrno,
                             fakecdrom::kRefuses, fakecdrom::kMoveMs})
        qunsetenv(name);
    m_dir.reset();
}

void tst_LibcdioTray::trayEndsWhereAsked_data()
{
    QTest::addColumn<QByteArray>("node");         // where the drive appears; empty: no drive
    QTest::addColumn<Drive>("drive");             // how it behaves
    QTest::addColumn<QByteArray>("before");       // its tray and disc before the calls
    QTest::addColumn<QByteArrayList>("calls");    // the tray's calls, in order
    QTest::addColumn<QByteArray>("after");        // its tray and disc after them
    QTest::addColumn<QByteArrayList>("requests"); // the tray requests it received, in order

    const QByteArray sr0("/dev/sr0");
    const QByteArray closedEmpty("closed empty");
    const QByteArray openEmpty("open empty");
    const QByteArray closedDisc("closed disc");
    const QByteArray openDisc("open disc");
    const QByteArrayList open{"open"};
    const QByteArrayList close{"close"};
    const QByteArrayList openClose{"open", "close"};
    const QByteArrayList none;
    const QByteArrayList eject{"CDROMEJECT"};
    const QByteArrayList closeTray{"CDROMCLOSETRAY"};
    const QByteArrayList ejectClose{"CDROMEJECT", "CDROMCLOSETRAY"};

    QTest::newRow("empty drive: open") << sr0 << Drive::Ready << closedEmpty << open << openEmpty << eject;
    QTest::newRow("empty drive: open, close")
        << sr0 << Drive::Ready << closedEmpty << openClose << closedEmpty << ejectClose;
    // A second Apply after a Cancel: an open tray stays open.
    QTest::newRow("empty drive: open, open")
        << sr0 << Drive::Ready << closedEmpty << QByteArrayList{"open", "open"} << openEmpty << eject;
    QTest::newRow("open tray: open") << sr0 << Drive::Ready << openEmpty << open << openEmpty << none;
    QTest::newRow("open tray: close") << sr0 << Drive::Ready << openEmpty << close << closedEmpty << closeTray;
    QTest::newRow("disc in: open, close")
        << sr0 << Drive::Ready << closedDisc << openClose << closedDisc << ejectClose;
    QTest::newRow("disc in: close") << sr0 << Drive::Ready << closedDisc << close << closedDisc << none;
    QTest::newRow("disc in an open tray: open, close")
        << sr0 << Drive::Ready << openDisc << openClose << closedDisc << closeTray;
    QTest::newRow("drive at /dev/cdrom: open, close")
        << QByteArray("/dev/cdrom") << Drive::Ready << closedEmpty << openClose << closedEmpty << ejectClose;
    QTest::newRow("no drive: open, close")
        << QByteArray() << Drive::Ready << closedEmpty << openClose << closedEmpty << none;
    QTest::newRow("no permission: open") << sr0 << Drive::NoPermission << closedEmpty << open << closedEmpty << none;
    QTest::newRow("no permission: close") << sr0 << Drive::NoPermission << openEmpty << close << openEmpty << none;
    QTest::newRow("refusing drive: open")
        << sr0 << Drive::Refusing << closedDisc << open << closedDisc
        << QByteArrayList{"CDROMEJECT", "CDROM_SEND_PACKET START STOP UNIT"};
    QTest::newRow("refusing drive: close") << sr0 << Drive::Refusing << openEmpty << close << openEmpty << closeTray;
    // Each movement takes a second, as on real hardware; the calls wait for it.
    QTest::newRow("slow drive: open, open, close")
        << sr0 << Drive::Slow << closedDisc << QByteArrayList{"open", "open", "close"} << closedDisc << ejectClose;
}

void tst_LibcdioTray::trayEndsWhereAsked()
{
    QFETCH(QByteArray, node);
    QFETCH(Drive, drive);
    QFETCH(QByteArray, before);
    QFETCH(QByteArrayList, calls);
    QFETCH(QByteArray, after);
    QFETCH(QByteArrayList, requests);

    QFile state(path("state"));
    QVERIFY(state.open(QIODevice::WriteOnly));
    state.write(before);
    state.close();
    qputenv(fakecdrom::kNode, node);
    if (drive == Drive::NoPermission)
        qputenv(fakecdrom::kOpenErrno, QByteArray::number(EACCES));
    if (drive == Drive::Refusing)
        qputenv(fakecdrom::kRefuses, "1");
    if (drive == Drive::Slow)
        qputenv(fakecdrom::kMoveMs, "1000");
    qputenv(fakecdrom::kStateFile, QFile::encodeName(state.fileName()));

    QByteArray printed;
    {
        OutputCapture capture;
        platform::LibcdioTray tray;
        for (const QByteArray &call : calls)
            call == "open" ? tray.open() : tray.close();
        printed = capture.text();
    }
    qunsetenv(fakecdrom::kStateFile);

    const QByteArray log = contents(path("log"));
    QCOMPARE(printed, QByteArray());
    QCOMPARE(contents(state.fileName()).trimmed(), after);
    QCOMPARE(trayRequests(log), requests);
    // A handle left on the drive makes the kernel refuse every later eject.
    QCOMPARE(handlesLeftOpen(log), 0);
}

void tst_LibcdioTray::libcdioLogIsPutBack_data()
{
    QTest::addColumn<bool>("ownHandler"); // false: a null handler, which libcdio 2.1 would call as it is

    QTest::newRow("a handler of the program's") << true;
    QTest::newRow("none") << false;
}

// A refusing drive makes libcdio warn; the warning reaches neither the
// terminal nor the handler in place, which is back once the call is over.
void tst_LibcdioTray::libcdioLogIsPutBack()
{
    QFETCH(bool, ownHandler);

    static int heard = 0;
    const cdio_log_handler_t counting = [](cdio_log_level_t, const char[]) { ++heard; };
    heard = 0;
    cdio_log_set_handler(ownHandler ? counting : nullptr);
    QFile state(path("state"));
    QVERIFY(state.open(QIODevice::WriteOnly) && state.write("open empty") > 0);
    state.close();
    qputenv(fakecdrom::kNode, "/dev/sr0");
    qputenv(fakecdrom::kRefuses, "1");
    qputenv(fakecdrom::kStateFile, QFile::encodeName(state.fileName()));

    platform::LibcdioTray().close();
    qunsetenv(fakecdrom::kStateFile);
    QVERIFY(contents(path("log")).contains("CDROMCLOSETRAY = -1"));

    const cdio_log_handler_t after = cdio_log_set_handler(&cdio_default_log_handler);
    QCOMPARE(heard, 0);
    QVERIFY(after == (ownHandler ? counting : &cdio_default_log_handler));
}

QTEST_APPLESS_MAIN(tst_LibcdioTray)

#include "tst_libcdiotray.moc"
