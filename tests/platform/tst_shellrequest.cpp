#include "shellrequest.h"
#include "usertexts.h"

#include <QDir>
#include <QTest>

class tst_ShellRequest : public QObject
{
    Q_OBJECT

private slots:
    void argumentsInTheShellsOrder_data();
    void argumentsInTheShellsOrder();
    void targetAsDesktopUrl_data();
    void targetAsDesktopUrl();
};

void tst_ShellRequest::argumentsInTheShellsOrder_data()
{
    QTest::addColumn<quintptr>("owner");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("workingFolder");
    QTest::addColumn<QByteArray>("file");       // the target, narrowed
    QTest::addColumn<QByteArray>("directory");  // the folder, narrowed, platform separators

    QTest::newRow("website") << quintptr(0x10203) << texts::kWebsite << QStringLiteral("/opt/vantelix/bin")
                             << texts::kWebsite.toLatin1()
                             << QDir::toNativeSeparators(QStringLiteral("/opt/vantelix/bin")).toLocal8Bit();
    QTest::newRow("mail link") << quintptr(42) << texts::kMailLink << QStringLiteral("/usr/bin")
                               << texts::kMailLink.toLatin1()
                               << QDir::toNativeSeparators(QStringLiteral("/usr/bin")).toLocal8Bit();
    QTest::newRow("no owner, folder with a space") << quintptr(0) << QStringLiteral("https://a.example/")
                                                   << QStringLiteral("/home/dana/My Programs")
                                                   << QByteArray("https://a.example/")
                                                   << QDir::toNativeSeparators(QStringLiteral("/home/dana/My Programs"))
                                                          .toLocal8Bit();
}

void tst_ShellRequest::argumentsInTheShellsOrder()
{
    QFETCH(quintptr, owner);
    QFETCH(QString, target);
    QFETCH(QString, workingFolder);
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, directory);

    const platform::ShellOpenRequest request = platform::makeShellOpenRequest(WId(owner), target, workingFolder);

    QCOMPARE(request.owner, WId(owner));
    QCOMPARE(request.operation, QByteArray("Open"));
    QCOMPARE(request.file, file);
    // An empty text, not an absent one: the shell gets "" as parameters.
    QVERIFY(!request.parameters.isNull());
    QVERIFY(request.parameters.isEmpty());
    QCOMPARE(request.directory, directory);
    QCOMPARE(request.showCommand, 1);
}

void tst_ShellRequest::targetAsDesktopUrl_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("scheme");  // decides which program the desktop picks
    QTest::addColumn<QString>("written"); // the URL as handed on

    QTest::newRow("website") << texts::kWebsite << true << QStringLiteral("https") << texts::kWebsite;
    QTest::newRow("mail link") << texts::kMailLink << true << QStringLiteral("mailto") << texts::kMailLink;
    QTest::newRow("broken address stays broken") << QStringLiteral("https://www.vantelix .example/") << false
                                                 << QStringLiteral("https") << QString();
}

void tst_ShellRequest::targetAsDesktopUrl()
{
    QFETCH(QString, target);
    QFETCH(bool, valid);
    QFETCH(QString, scheme);
    QFETCH(QString, written);

    const QUrl url = platform::shellOpenUrl(target);
    QCOMPARE(url.isValid(), valid);
    QCOMPARE(url.scheme(), scheme);
    if (valid)
        QCOMPARE(url.toString(), written);
}

QTEST_APPLESS_MAIN(tst_ShellRequest)

#include "tst_shellrequest.moc"
