#include "mcirecorder.h"
#include "mcisendstring.h"
#include "mcistatus.h"
#include "usertexts.h"

#include <QByteArray>
#include <QTest>

using namespace platform;

namespace {

// The reply as the caller sees it: the text, its NUL, then the spaces that
// were there before.
QString replyBuffer(const char *reply)
{
    QString text = QString::fromLatin1(reply) + QChar(u'\0');
    return text + QString(100 - text.size(), QLatin1Char(' '));
}

} // namespace

class tst_SendMciCommand : public QObject
{
    Q_OBJECT

private slots:
    void sendsAndReturnsTheWholeBuffer_data();
    void sendsAndReturnsTheWholeBuffer();
    void commandWithNulIsNotSent();
};

void tst_SendMciCommand::sendsAndReturnsTheWholeBuffer_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<quintptr>("callback");
    QTest::addColumn<bool>("writesReply"); // false: the platform leaves the buffer alone
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<unsigned>("status");   // never looked at
    QTest::addColumn<QString>("expected");  // all 100 characters

    const QString open = QString::fromLatin1(texts::kOpenTray);
    const QString closed = QString::fromLatin1(texts::kCloseTray);

    QTest::newRow("open, empty reply") << open << quintptr(0) << true << QByteArray() << mci::Success
                                       << replyBuffer("");
    QTest::newRow("closed, empty reply") << closed << quintptr(0) << true << QByteArray() << mci::Success
                                         << replyBuffer("");
    QTest::newRow("no drive") << open << quintptr(0) << true << QByteArray() << mci::DeviceNotInstalled
                              << replyBuffer("");
    QTest::newRow("refused") << QStringLiteral("play cdaudio") << quintptr(0) << true << QByteArray()
                             << mci::UnrecognizedCommand << replyBuffer("");
    QTest::newRow("text reply") << QStringLiteral("status cdaudio media present") << quintptr(0) << true
                                << QByteArray("true") << mci::Success << replyBuffer("true");
    QTest::newRow("99 characters") << open << quintptr(0) << true << QByteArray(99, 'r') << mci::Success
                                   << QString(99, QLatin1Char('r')) + QChar(u'\0');
    QTest::newRow("buffer left alone") << open << quintptr(0) << false << QByteArray() << mci::Hardware
                                       << QString(100, QLatin1Char(' '));
    QTest::newRow("callback passed on") << open << quintptr(0x1234) << true << QByteArray() << mci::Success
                                        << replyBuffer("");
}

void tst_SendMciCommand::sendsAndReturnsTheWholeBuffer()
{
    QFETCH(QString, command);
    QFETCH(quintptr, callback);
    QFETCH(bool, writesReply);
    QFETCH(QByteArray, reply);
    QFETCH(unsigned, status);
    QFETCH(QString, expected);

    MciRecorder platform;
    platform.writesReply = writesReply;
    platform.reply = reply;
    platform.status = status;

    const QString result = SendMciCommand(command, callback);

    QCOMPARE(platform.calls.size(), 1);
    const MciRecorder::Call &call = platform.calls.constFirst();
    QCOMPARE(call.command, command.toLatin1()); // verbatim, blanks included
    QCOMPARE(call.returnLength, 100u);
    QCOMPARE(call.bufferOnEntry, QByteArray(100, ' '));
    QCOMPARE(call.callbackWindow, callback);
    QCOMPARE(result.size(), 100);
    QCOMPARE(result, expected);
}

void tst_SendMciCommand::commandWithNulIsNotSent()
{
    // The platform would stop reading at the NUL and open the tray.
    MciRecorder platform;

    const QString result =
        SendMciCommand(QString::fromLatin1(texts::kOpenTray) + QChar(u'\0') + QStringLiteral(" and more"), 0);

    QVERIFY(platform.calls.isEmpty());
    QCOMPARE(result, QString(100, QLatin1Char(' ')));
}

QTEST_APPLESS_MAIN(tst_SendMciCommand)

#include "tst_sendmcicommand.moc"
