#include "desktopshell.h"
#include "usertexts.h"

#include <QDesktopServices>
#include <QTest>
#include <QUrl>

// Takes the place of the browser and the mail program: desktop services hand
// it every request for their schemes instead of starting a program.
class Desktop : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};

class tst_DesktopShell : public QObject
{
    Q_OBJECT

private slots:
    void targetReachesTheDesktop_data();
    void targetReachesTheDesktop();
};

void tst_DesktopShell::targetReachesTheDesktop_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("valid"); // whether the desktop can open it

    QTest::newRow("website") << texts::kWebsite << true;
    QTest::newRow("mail link") << texts::kMailLink << true;
    // Kept as written, not mended into another address.
    QTest::newRow("broken address stays broken") << QStringLiteral("https://www.vantelix.example/about us") << false;
}

void tst_DesktopShell::targetReachesTheDesktop()
{
    QFETCH(QString, target);
    QFETCH(bool, valid);

    Desktop desktop;
    const QStringList schemes{QStringLiteral("https"), QStringLiteral("mailto")};
    for (const QString &scheme : schemes)
        QDesktopServices::setUrlHandler(scheme, &desktop, "open");

    platform::DesktopShell().open(0x1234, target, QStringLiteral("/opt/vantelix"));
    for (const QString &scheme : schemes)
        QDesktopServices::unsetUrlHandler(scheme);

    QCOMPARE(desktop.opened.size(), 1);
    const QUrl &url = desktop.opened.constFirst();
    QCOMPARE(url.isValid(), valid);
    if (valid)
        QCOMPARE(url.toString(), target);
}

QTEST_GUILESS_MAIN(tst_DesktopShell)

#include "tst_desktopshell.moc"
