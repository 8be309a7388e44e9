// What winmm is given when Apply moves the tray: the advisor's Apply
// sequence runs over the program's real media control, and a stand-in takes
// the place of winmm's mciSendStringA. Then the real function, as a machine
// without a CD drive answers it.

#include "applysequence.h"
#include "mcimediacontrol.h"
#include "mcisendstring.h"
#include "mcisendstring_win.h"
#include "mcistatus.h"

#include <QList>
#include <QTest>

namespace {

struct Call
{
    QByteArray command;
    QByteArray bufferOnEntry;
    UINT returnLength = 0;
    HWND callbackWindow = nullptr;
};

// The stand-in is a plain function, so it records here.
QList<Call> g_calls;

MCIERROR WINAPI recordMciSendStringA(LPCSTR command, LPSTR returnString, UINT returnLength, HWND callbackWindow)
{
    g_calls.append({QByteArray(command), QByteArray(returnString, returnLength), returnLength, callbackWindow});
    return MCIERR_CANNOT_LOAD_DRIVER; // as winmm answers without a drive
}

// The rest of the world of the Apply sequence: sliders one inch apart, every
// question answered with its first button.
struct Treatment final : advisor::Sliders, advisor::ApplyPanel, advisor::MessageBoxes
{
    int currentSize() const override { return 7; }
    int desiredSize() const override { return 8; }
    int beforeTint() const override { return 2; }
    int afterTint() const override { return 2; }

    void setWindowEnabled(bool) override {}
    float progressMax() const override { return 100; }
    float progressValue() const override { return 0; }
    void setProgressMin(float) override {}
    void setProgressMax(float) override {}
    void setProgressValue(float) override {}
    void setTimerInterval(int) override {}
    void setTimerEnabled(bool enabled) override { filling = enabled; }

    advisor::Answer show(const advisor::Message &) override { return advisor::Answer::Ok; }

    bool filling = false;
};

} // namespace

class tst_WinmmCommands : public QObject
{
    Q_OBJECT

private slots:
    void applySendsNarrowCommands_data();
    void applySendsNarrowCommands();
    void winmmWithoutDrive_data();
    void winmmWithoutDrive();
};

void tst_WinmmCommands::applySendsNarrowCommands_data()
{
    QTest::addColumn<int>("call");
    QTest::addColumn<QByteArray>("command"); // byte for byte, blanks included

    QTest::newRow("open the tray") << 0 << QByteArray("set cdaudio door open");
    QTest::newRow("close the tray") << 1 << QByteArray("set cdaudio door closed ");
}

void tst_WinmmCommands::applySendsNarrowCommands()
{
    QFETCH(int, call);
    QFETCH(QByteArray, command);

    g_calls.clear();
    Treatment treatment;
    {
        const platform::MciSendStringAReplacement standIn(&recordMciSendStringA);
        platform::MciMediaControl media;
        advisor::ApplySequence sequence(treatment, treatment, treatment, media);
        sequence.apply();
    }

    QCOMPARE(g_calls.size(), 2);
    const Call &sent = g_calls.at(call);
    QCOMPARE(sent.command, command);
    QCOMPARE(sent.returnLength, 100u);
    QCOMPARE(sent.bufferOnEntry, QByteArray(100, ' '));
    QCOMPARE(sent.callbackWindow, HWND(nullptr));
    // Failing tray commands change nothing: the bar fills.
    QVERIFY(treatment.filling);
}

void tst_WinmmCommands::winmmWithoutDrive_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("open the tray") << advisor::ApplySequence::kOpenTray;
    QTest::newRow("close the tray") << advisor::ApplySequence::kCloseTray;
}

void tst_WinmmCommands::winmmWithoutDrive()
{
    QFETCH(QString, command);
    QByteArray buffer(100, ' ');

    const unsigned status =
        platform::mciSendString(command.toLatin1().constData(), buffer.data(), unsigned(buffer.size()), 0);

    // Success with a drive; without one (Wine has none) winmm cannot load the
    // CD audio driver. Any other answer means winmm did not read our command.
    QVERIFY2(status == platform::mci::Success || status == platform::mci::CannotLoadDriver,
             qPrintable(QString::number(status)));
    // The reply, if any, is empty and narrow: at most its one-byte NUL is
    // written. The wide function would write two.
    QCOMPARE(buffer.mid(1), QByteArray(99, ' '));
}

QTEST_GUILESS_MAIN(tst_WinmmCommands)
#include "tst_winmmcommands.moc"
