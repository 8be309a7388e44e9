// The real winmm behind the media control: the Apply sequence's two commands
// as a machine without a CD drive (Wine) answers them.

#include "mcisendstring.h"
#include "mcistatus.h"
#include "usertexts.h"

#include <QTest>

class tst_WinmmCommands : public QObject
{
    Q_OBJECT

private slots:
    void winmmWithoutDrive_data();
    void winmmWithoutDrive();
};

void tst_WinmmCommands::winmmWithoutDrive_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::newRow("open the tray") << texts::kOpenTray;
    QTest::newRow("close the tray") << texts::kCloseTray;
}

void tst_WinmmCommands::winmmWithoutDrive()
{
    QFETCH(QByteArray, command);
    QByteArray buffer(100, ' ');

    const unsigned status = platform::systemMciSendString(command.constData(), buffer.data(), 100, 0);

    // Success with a drive; without one (Wine has none) winmm cannot load the
    // CD audio driver. Any other answer means winmm did not read our command.
    QVERIFY2(status == platform::mci::Success || status == platform::mci::CannotLoadDriver,
             qPrintable(QString::number(status)));
    // The reply, if any, is empty and narrow: at most its one-byte NUL is
    // written. The wide function would write two.
    QCOMPARE(buffer.mid(1), QByteArray(99, ' '));
    // And what the program sends goes there: the Apply sequence carries on.
    QCOMPARE(platform::SendMciCommand(QString::fromLatin1(command), 0).size(), 100);
}

QTEST_GUILESS_MAIN(tst_WinmmCommands)
#include "tst_winmmcommands.moc"
