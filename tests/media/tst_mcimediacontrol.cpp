#include "mcibackend.h"
#include "mcimediacontrol.h"
#include "mcistatus.h"

#include <QByteArray>
#include <QTest>

#include <cstring>

using namespace platform;

namespace {

// Stands in for the platform's function: remembers what it was given and
// writes a set reply to the front of the buffer, as the platform would.
struct FakeBackend final : MciBackend
{
    int calls = 0;
    QByteArray command;
    unsigned length = 0;
    quintptr callback = 0;
    QByteArray bufferOnEntry;

    bool writesReply = true;
    QByteArray reply;
    unsigned status = mci::Success;

    unsigned sendString(const char *text, char *returnBuffer, unsigned returnLength, quintptr callbackWindow) override
    {
        ++calls;
        command = text;
        length = returnLength;
        callback = callbackWindow;
        bufferOnEntry = QByteArray(returnBuffer, returnLength);
        if (writesReply)
            std::memcpy(returnBuffer, reply.constData(), std::size_t(reply.size()) + 1);
        return status;
    }
};

// The reply as the caller sees it: the text, its NUL, then the spaces that
// were there before.
QString replyBuffer(const char *reply)
{
    QString text = QString::fromLatin1(reply) + QChar(u'\0');
    return text + QString(100 - text.size(), QLatin1Char(' '));
}

} // namespace

class tst_MciMediaControl : public QObject
{
    Q_OBJECT

private slots:
    void sendsAndReturnsTheWholeBuffer_data();
    void sendsAndReturnsTheWholeBuffer();
    void commandWithNulIsNotSent();
};

void tst_MciMediaControl::sendsAndReturnsTheWholeBuffer_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<quintptr>("callback");
    QTest::addColumn<bool>("writesReply"); // false: the platform leaves the buffer alone
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<unsigned>("status");   // never looked at
    QTest::addColumn<QString>("expected");  // all 100 characters

    const QString open = QStringLiteral("set cdaudio door open");
    const QString closed = QStringLiteral("set cdaudio door closed ");

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

void tst_MciMediaControl::sendsAndReturnsTheWholeBuffer()
{
    QFETCH(QString, command);
    QFETCH(quintptr, callback);
    QFETCH(bool, writesReply);
    QFETCH(QByteArray, reply);
    QFETCH(unsigned, status);
    QFETCH(QString, expected);

    FakeBackend backend;
    backend.writesReply = writesReply;
    backend.reply = reply;
    backend.status = status;
    MciMediaControl media(backend);

    const QString result = media.SendMciCommand(command, callback);

    QCOMPARE(backend.calls, 1);
    QCOMPARE(backend.command, command.toLatin1()); // verbatim, blanks included
    QCOMPARE(backend.length, 100u);
    QCOMPARE(backend.bufferOnEntry, QByteArray(100, ' '));
    QCOMPARE(backend.callback, callback);
    QCOMPARE(result.size(), 100);
    QCOMPARE(result, expected);
}

void tst_MciMediaControl::commandWithNulIsNotSent()
{
    // The platform would stop reading at the NUL and open the tray.
    FakeBackend backend;
    MciMediaControl media(backend);

    const QString result = media.SendMciCommand(QStringLiteral("set cdaudio door open") + QChar(u'\0')
                                                    + QStringLiteral(" and more"),
                                                0);

    QCOMPARE(backend.calls, 0);
    QCOMPARE(result, QString(100, QLatin1Char(' ')));
}

QTEST_APPLESS_MAIN(tst_MciMediaControl)

#include "tst_mcimediacontrol.moc"
