#include "cdtray.h"
#include "mcicommand.h"
#include "mciinterpreter.h"
#include "mcistatus.h"
#include "usertexts.h"

#include <QByteArray>
#include <QStringList>
#include <QTest>

using namespace platform;

namespace {

// Records which way the tray was asked to move and answers with a set status.
struct FakeCdTray final : CdTray
{
    QStringList moves;
    unsigned status = mci::Success;

    unsigned open() override
    {
        moves << QStringLiteral("open");
        return status;
    }
    unsigned close() override
    {
        moves << QStringLiteral("close");
        return status;
    }
};

// The longest command accepted.
constexpr qsizetype kLongestCommand = 255;

const QStringList kNoMove;
const QStringList kOpen{QStringLiteral("open")};
const QStringList kClose{QStringLiteral("close")};

QByteArray padded(const char *command, qsizetype length)
{
    QByteArray text(command);
    text.append(length - text.size(), ' ');
    return text;
}

} // namespace

class tst_MciInterpreter : public QObject
{
    Q_OBJECT

private slots:
    void commands_data();
    void commands();
    void embeddedNulEndsNoWord();
    void trayStatusIsReturned_data();
    void trayStatusIsReturned();
    void buffers_data();
    void buffers();
};

void tst_MciInterpreter::commands_data()
{
    QTest::addColumn<QByteArray>("command"); // as the C string the caller passes
    QTest::addColumn<unsigned>("status");    // what the call returns
    QTest::addColumn<QStringList>("moves");  // what the tray was asked to do

    QTest::newRow("the sequence's open") << texts::kOpenTray << mci::Success << kOpen;
    QTest::newRow("the sequence's close, trailing blank") << texts::kCloseTray << mci::Success << kClose;
    QTest::newRow("closed") << QByteArray("set cdaudio door closed") << mci::Success << kClose;
    QTest::newRow("upper case") << QByteArray("SET CDAUDIO DOOR OPEN") << mci::Success << kOpen;
    QTest::newRow("mixed case") << QByteArray("Set CdAudio dOOr Closed") << mci::Success << kClose;
    QTest::newRow("repeated blanks") << QByteArray("set   cdaudio    door  open") << mci::Success << kOpen;
    QTest::newRow("leading and trailing blanks") << QByteArray("   set cdaudio door open   ") << mci::Success << kOpen;
    QTest::newRow("tabs") << QByteArray("\tset\tcdaudio\tdoor\tclosed\t") << mci::Success << kClose;
    QTest::newRow("blanks and tabs mixed") << QByteArray(" \t set \t cdaudio\t \tdoor \topen\t ") << mci::Success
                                           << kOpen;
    QTest::newRow("padded to the limit") << padded("set cdaudio door open", kLongestCommand) << mci::Success
                                         << kOpen;

    QTest::newRow("empty") << QByteArray("") << mci::MissingCommandString << kNoMove;
    QTest::newRow("blanks only") << QByteArray("  \t  ") << mci::MissingCommandString << kNoMove;
    QTest::newRow("over-long") << padded("set cdaudio door open", kLongestCommand + 1) << mci::OutOfRange
                               << kNoMove;
    QTest::newRow("far too long") << QByteArray(4096, 'x') << mci::OutOfRange << kNoMove;
    QTest::newRow("door without state") << QByteArray("set cdaudio door") << mci::MissingParameter << kNoMove;
    QTest::newRow("device only") << QByteArray("set cdaudio") << mci::MissingParameter << kNoMove;
    QTest::newRow("verb only") << QByteArray("set") << mci::MissingDeviceName << kNoMove;
    QTest::newRow("opened") << QByteArray("set cdaudio door opened") << mci::UnrecognizedKeyword << kNoMove;
    QTest::newRow("close instead of closed") << QByteArray("set cdaudio door close") << mci::UnrecognizedKeyword
                                             << kNoMove;
    QTest::newRow("word after open") << QByteArray("set cdaudio door open now") << mci::UnrecognizedKeyword
                                     << kNoMove;
    QTest::newRow("word after closed") << QByteArray("set cdaudio door closed wait") << mci::UnrecognizedKeyword
                                       << kNoMove;
    QTest::newRow("other item") << QByteArray("set cdaudio window open") << mci::UnrecognizedKeyword << kNoMove;
    QTest::newRow("other device") << QByteArray("set video door open") << mci::InvalidDeviceName << kNoMove;
    QTest::newRow("other verb") << QByteArray("play cdaudio") << mci::UnrecognizedCommand << kNoMove;
    QTest::newRow("words run together") << QByteArray("setcdaudio door open") << mci::UnrecognizedCommand
                                        << kNoMove;
    QTest::newRow("newline is no blank") << QByteArray("set cdaudio door open\n") << mci::UnrecognizedKeyword
                                         << kNoMove;
    QTest::newRow("non-ASCII letter") << QByteArray("set cdaudio door \xc3\xb6pen") << mci::UnrecognizedKeyword
                                      << kNoMove;
    QTest::newRow("control bytes") << QByteArray("\x01\x02\x7f\xff") << mci::UnrecognizedCommand << kNoMove;
    // A C string ends at its NUL: what follows it is never seen.
    QTest::newRow("NUL inside") << QByteArray("set cdaudio\0door open", 21) << mci::MissingParameter << kNoMove;
}

void tst_MciInterpreter::commands()
{
    QFETCH(QByteArray, command);
    QFETCH(unsigned, status);
    QFETCH(QStringList, moves);

    FakeCdTray tray;
    char reply[100];
    std::fill(std::begin(reply), std::end(reply), 'x');

    QCOMPARE(interpretMciCommand(command.constData(), reply, sizeof reply, tray), status);
    QCOMPARE(tray.moves, moves);
    QCOMPARE(reply[0], '\0'); // an empty reply, whether refused or not
    QCOMPARE(reply[1], 'x');
}

void tst_MciInterpreter::embeddedNulEndsNoWord()
{
    // Given its length, a NUL is an ordinary byte of the word it sits in.
    using namespace std::string_view_literals;
    const MciCommand trailing = parseMciCommand("set cdaudio door open\0"sv);
    QVERIFY(!trailing.accepted());
    QCOMPARE(trailing.status, mci::UnrecognizedKeyword);
    QCOMPARE(parseMciCommand("set\0 cdaudio door open"sv).status, mci::UnrecognizedCommand);
}

void tst_MciInterpreter::trayStatusIsReturned_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<unsigned>("trayStatus"); // what the drive reported

    QTest::newRow("open, no drive") << texts::kOpenTray << mci::DeviceNotInstalled;
    QTest::newRow("open, not motorised") << texts::kOpenTray << mci::UnsupportedFunction;
    QTest::newRow("close, busy") << texts::kCloseTray << mci::Hardware;
    QTest::newRow("close, not ready") << texts::kCloseTray << mci::DeviceNotReady;
}

void tst_MciInterpreter::trayStatusIsReturned()
{
    QFETCH(QByteArray, command);
    QFETCH(unsigned, trayStatus);

    FakeCdTray tray;
    tray.status = trayStatus;
    char reply[100];
    std::fill(std::begin(reply), std::end(reply), 'x');

    QCOMPARE(interpretMciCommand(command.constData(), reply, sizeof reply, tray), trayStatus);
    QCOMPARE(tray.moves.size(), 1);
    QCOMPARE(reply[0], '\0');
}

void tst_MciInterpreter::buffers_data()
{
    QTest::addColumn<bool>("nullCommand");
    QTest::addColumn<bool>("nullBuffer");
    QTest::addColumn<unsigned>("length");     // the length the caller claims
    QTest::addColumn<unsigned>("status");
    QTest::addColumn<QStringList>("moves");
    QTest::addColumn<QByteArray>("buffer");   // afterwards, of a real buffer of 8 'x'

    const QByteArray untouched(8, 'x');
    const QByteArray emptyReply = QByteArray(1, '\0') + QByteArray(7, 'x');

    QTest::newRow("room for the reply") << false << false << 8u << mci::Success << kOpen << emptyReply;
    QTest::newRow("room for the NUL only") << false << false << 1u << mci::Success << kOpen << emptyReply;
    QTest::newRow("length 0") << false << false << 0u << mci::ParamOverflow << kNoMove << untouched;
    QTest::newRow("null buffer, length 0") << false << true << 0u << mci::ParamOverflow << kNoMove << untouched;
    QTest::newRow("null buffer, length 100") << false << true << 100u << mci::NullParameterBlock << kNoMove
                                             << untouched;
    QTest::newRow("null command") << true << false << 8u << mci::NullParameterBlock << kNoMove << emptyReply;
    QTest::newRow("null command, length 0") << true << false << 0u << mci::NullParameterBlock << kNoMove
                                            << untouched;
}

void tst_MciInterpreter::buffers()
{
    QFETCH(bool, nullCommand);
    QFETCH(bool, nullBuffer);
    QFETCH(unsigned, length);
    QFETCH(unsigned, status);
    QFETCH(QStringList, moves);
    QFETCH(QByteArray, buffer);

    FakeCdTray tray;
    QByteArray real(8, 'x');
    const char *command = nullCommand ? nullptr : "set cdaudio door open";

    QCOMPARE(interpretMciCommand(command, nullBuffer ? nullptr : real.data(), length, tray), status);
    QCOMPARE(tray.moves, moves);
    QCOMPARE(real, buffer);
}

QTEST_APPLESS_MAIN(tst_MciInterpreter)

#include "tst_mciinterpreter.moc"
