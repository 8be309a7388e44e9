// The CD tray through winmm's media control: what mciSendStringA is given,
// through a stand-in of the function, and what the real one makes of the two
// commands on a machine without a drive (Wine).

#include "mcitray.h"
#include "usertexts.h"

#include <QTest>

#include <cstring>

namespace {

struct Call
{
    QByteArray command;       // byte for byte
    QByteArray bufferOnEntry; // all `length` bytes
    UINT length = 0;
    HWND callbackWindow = nullptr;
};

// The stand-in is a plain function, so it records here and answers as set:
// a reply written with its NUL to the front of the buffer (none at all when
// writesReply is false), and a status the program never looks at.
QList<Call> g_calls;
bool g_writesReply = true;
QByteArray g_reply;
MCIERROR g_status = 0;

MCIERROR WINAPI recordMciSendString(LPCSTR command, LPSTR buffer, UINT length, HWND callbackWindow)
{
    g_calls.append({QByteArray(command), QByteArray(buffer, qsizetype(length)), length, callbackWindow});
    if (g_writesReply)
        std::memcpy(buffer, g_reply.constData(), std::size_t(g_reply.size()) + 1);
    return g_status;
}

// The real function, noting its status.
MCIERROR WINAPI winmm(LPCSTR command, LPSTR buffer, UINT length, HWND callbackWindow)
{
    g_calls.append({QByteArray(command), QByteArray(buffer, qsizetype(length)), length, callbackWindow});
    g_status = ::mciSendStringA(command, buffer, length, callbackWindow);
    return g_status;
}

// The reply as the caller sees it: the text, its NUL, then the spaces that
// were there before.
QString replyBuffer(const char *reply)
{
    QString text = QString::fromLatin1(reply) + QChar(u'\0');
    return text + QString(100 - text.size(), QLatin1Char(' '));
}

} // namespace

class tst_MciTray : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void trayCommands_data();
    void trayCommands();
    void sendsAndReturnsTheWholeBuffer_data();
    void sendsAndReturnsTheWholeBuffer();
    void commandWithNulIsNotSent();
    void realWinmmWithoutDrive_data();
    void realWinmmWithoutDrive();
};

void tst_MciTray::init()
{
    g_calls.clear();
    g_writesReply = true;
    g_reply.clear();
    g_status = 0;
}

void tst_MciTray::trayCommands_data()
{
    QTest::addColumn<bool>("open");
    QTest::addColumn<QByteArray>("command");

    QTest::newRow("open") << true << texts::kOpenTray;
    QTest::newRow("close") << false << texts::kCloseTray;
}

void tst_MciTray::trayCommands()
{
    QFETCH(bool, open);
    QFETCH(QByteArray, command);

    platform::MciTray tray(&recordMciSendString);
    open ? tray.open() : tray.close();

    QCOMPARE(g_calls.size(), 1);
    const Call &call = g_calls.constFirst();
    QCOMPARE(call.command, command); // verbatim, the closing blank included
    QCOMPARE(call.length, 100u);
    QCOMPARE(call.bufferOnEntry, QByteArray(100, ' '));
    QCOMPARE(call.callbackWindow, HWND(nullptr));
}

void tst_MciTray::sendsAndReturnsTheWholeBuffer_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<quintptr>("callback");
    QTest::addColumn<bool>("writesReply"); // false: winmm leaves the buffer alone
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<unsigned>("status"); // never looked at
    QTest::addColumn<QString>("expected"); // all 100 characters

    const QString open = QString::fromLatin1(texts::kOpenTray);
    QTest::newRow("empty reply") << open << quintptr(0) << true << QByteArray() << 0u << replyBuffer("");
    QTest::newRow("no drive") << open << quintptr(0) << true << QByteArray() << 266u << replyBuffer("");
    QTest::newRow("text reply") << QStringLiteral("status cdaudio media present") << quintptr(0) << true
                                << QByteArray("true") << 0u << replyBuffer("true");
    QTest::newRow("99 characters") << open << quintptr(0) << true << QByteArray(99, 'r') << 0u
                                   << QString(99, QLatin1Char('r')) + QChar(u'\0');
    QTest::newRow("buffer left alone") << open << quintptr(0) << false << QByteArray() << 262u
                                       << QString(100, QLatin1Char(' '));
    QTest::newRow("callback passed on") << open << quintptr(0x1234) << true << QByteArray() << 0u << replyBuffer("");
}

void tst_MciTray::sendsAndReturnsTheWholeBuffer()
{
    QFETCH(QString, command);
    QFETCH(quintptr, callback);
    QFETCH(bool, writesReply);
    QFETCH(QByteArray, reply);
    QFETCH(unsigned, status);
    QFETCH(QString, expected);

    g_writesReply = writesReply;
    g_reply = reply;
    g_status = status;
    const QString result = platform::MciTray(&recordMciSendString).SendMciCommand(command, callback);

    QCOMPARE(g_calls.size(), 1);
    const Call &call = g_calls.constFirst();
    QCOMPARE(call.command, command.toLatin1());
    QCOMPARE(call.length, 100u);
    QCOMPARE(call.bufferOnEntry, QByteArray(100, ' '));
    QCOMPARE(call.callbackWindow, reinterpret_cast<HWND>(callback));
    QCOMPARE(result, expected);
}

void tst_MciTray::commandWithNulIsNotSent()
{
    // winmm would stop reading at the NUL and open the tray.
    const QString result = platform::MciTray(&recordMciSendString)
                               .SendMciCommand(QString::fromLatin1(texts::kOpenTray) + QChar(u'\0')
                                                   + QStringLiteral(" and more"),
                                               0);
    QVERIFY(g_calls.isEmpty());
    QCOMPARE(result, QString(100, QLatin1Char(' ')));
}

void tst_MciTray::realWinmmWithoutDrive_data()
{
    trayCommands_data();
}

void tst_MciTray::realWinmmWithoutDrive()
{
    QFETCH(QByteArray, command);

    const QString reply = platform::MciTray(&winmm).SendMciCommand(QString::fromLatin1(command), 0);

    // Success with a drive; without one (Wine has none) winmm cannot load the
    // CD audio driver. Any other answer means winmm did not read our command.
    QVERIFY2(g_status == 0 || g_status == MCIERR_CANNOT_LOAD_DRIVER, qPrintable(QString::number(g_status)));
    // The reply, if any, is empty and narrow: at most its one-byte NUL is
    // written. The wide function would write two.
    QCOMPARE(reply.mid(1), QString(99, QLatin1Char(' ')));
}

QTEST_GUILESS_MAIN(tst_MciTray)
#include "tst_mcitray.moc"
