#include "appidentity.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

// The expected values come from the project declaration, handed over by the
// test's CMakeLists as compile definitions.
namespace {
QString declared(const char *value) { return QString::fromUtf8(value); }
int declaredNumber(const char *value) { return declared(value).toInt(); }
} // namespace

class tst_Identity : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void names_data();
    void names();
    void versionNumbers();
    void shownFormsIgnoreTheLocale_data();
    void shownFormsIgnoreTheLocale();
    void pathIsTheExecutablesFolder();
};

void tst_Identity::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void tst_Identity::names_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");

    QTest::newRow("executable name") << identity::exeName() << declared(VANTELIX_TEST_EXECUTABLE);
    QTest::newRow("application id") << identity::applicationId() << declared(VANTELIX_TEST_APPLICATION_ID);
}

void tst_Identity::names()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(actual, expected);
}

void tst_Identity::versionNumbers()
{
    QCOMPARE(identity::major(), declaredNumber(VANTELIX_TEST_VERSION_MAJOR));
    QCOMPARE(identity::minor(), declaredNumber(VANTELIX_TEST_VERSION_MINOR));
    QCOMPARE(identity::revision(), declaredNumber(VANTELIX_TEST_VERSION_PATCH));
}

void tst_Identity::shownFormsIgnoreTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("ownDigits"); // the locale writes numbers in digits of its own

    QTest::newRow("C") << QStringLiteral("C") << false;
    QTest::newRow("German") << QStringLiteral("de_DE") << false;
    QTest::newRow("Swiss French") << QStringLiteral("fr_CH") << false;
    QTest::newRow("Arabic, Egypt") << QStringLiteral("ar_EG") << true;
    QTest::newRow("Persian, Iran") << QStringLiteral("fa_IR") << true;
    QTest::newRow("Bengali, Bangladesh") << QStringLiteral("bn_BD") << true;
}

void tst_Identity::shownFormsIgnoreTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(bool, ownDigits);

    QLocale::setDefault(QLocale(locale));
    QCOMPARE(QLocale().toString(2) != QStringLiteral("2"), ownDigits);

    QCOMPARE(identity::title(), declared(VANTELIX_TEST_PROJECT_NAME));
    // The About line: plain numbers, no leading zeros.
    QCOMPARE(identity::versionLine(), QStringLiteral("Version %1.%2.%3")
                                     .arg(QString::number(declaredNumber(VANTELIX_TEST_VERSION_MAJOR)),
                                          QString::number(declaredNumber(VANTELIX_TEST_VERSION_MINOR)),
                                          QString::number(declaredNumber(VANTELIX_TEST_VERSION_PATCH))));
}

void tst_Identity::pathIsTheExecutablesFolder()
{
    const QString folder = QDir(declared(VANTELIX_TEST_EXECUTABLE_FOLDER)).canonicalPath();
    QVERIFY(!folder.isEmpty());
    QCOMPARE(QDir(identity::path()).canonicalPath(), folder);

    // Not the working directory: start-up from elsewhere gives the same folder.
    const QString previous = QDir::currentPath();
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    const QString fromElsewhere = QDir(identity::path()).canonicalPath();
    QVERIFY(QDir::setCurrent(previous));
    QCOMPARE(fromElsewhere, folder);
}

QTEST_GUILESS_MAIN(tst_Identity)
#include "tst_identity.moc"
