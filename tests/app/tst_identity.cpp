#include "appidentity.h"

#include <QDir>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// The expected values come from the project declaration, handed over by the
// test's CMakeLists as compile definitions.
namespace {
QString declared(const char *value) { return QString::fromUtf8(value); }
int declaredNumber(const char *value) { return declared(value).toInt(); }

int declaredMajor() { return declaredNumber(VANTELIX_TEST_VERSION_MAJOR); }
int declaredMinor() { return declaredNumber(VANTELIX_TEST_VERSION_MINOR); }
int declaredRevision() { return declaredNumber(VANTELIX_TEST_VERSION_PATCH); }
} // namespace

class tst_Identity : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void names_data();
    void names();
    void versionNumbers();
    void versionForms_data();
    void versionForms();
    void zeroFilling_data();
    void zeroFilling();
    void formsIgnoreTheLocale_data();
    void formsIgnoreTheLocale();
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

    QTest::newRow("title") << app::title() << declared(VANTELIX_TEST_PROJECT_NAME);
    QTest::newRow("executable name") << app::exeName() << declared(VANTELIX_TEST_EXECUTABLE);
    QTest::newRow("application id") << app::applicationId() << declared(VANTELIX_TEST_APPLICATION_ID);
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
    QCOMPARE(app::major(), declaredMajor());
    QCOMPARE(app::minor(), declaredMinor());
    QCOMPARE(app::revision(), declaredRevision());
}

void tst_Identity::versionForms_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");

    QTest::newRow("About line, plain numbers")
        << app::versionLine()
        << QStringLiteral("Version %1.%2.%3")
               .arg(QString::number(declaredMajor()), QString::number(declaredMinor()),
                    QString::number(declaredRevision()));
}

void tst_Identity::versionForms()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

void tst_Identity::zeroFilling_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("pattern");

    QTest::newRow("About line has no leading zeros")
        << app::versionLine() << QStringLiteral(R"(^Version (0|[1-9]\d*)\.(0|[1-9]\d*)\.(0|[1-9]\d*)$)");
}

void tst_Identity::zeroFilling()
{
    QFETCH(QString, form);
    QFETCH(QString, pattern);
    QVERIFY2(QRegularExpression(pattern).match(form).hasMatch(), qPrintable(form));
}

void tst_Identity::formsIgnoreTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("ownDigits");    // the locale writes numbers in digits of its own

    QTest::newRow("German") << QStringLiteral("de_DE") << false;
    QTest::newRow("Swiss French") << QStringLiteral("fr_CH") << false;
    QTest::newRow("Arabic, Egypt") << QStringLiteral("ar_EG") << true;
    QTest::newRow("Persian, Iran") << QStringLiteral("fa_IR") << true;
    QTest::newRow("Bengali, Bangladesh") << QStringLiteral("bn_BD") << true;
}

void tst_Identity::formsIgnoreTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(bool, ownDigits);
    const QString title = app::title();
    const QString versionLine = app::versionLine();

    QLocale::setDefault(QLocale(locale));
    QCOMPARE(QLocale().toString(2) != QStringLiteral("2"), ownDigits);

    QCOMPARE(app::title(), title);
    QCOMPARE(app::versionLine(), versionLine);
}

void tst_Identity::pathIsTheExecutablesFolder()
{
    const QString folder = QDir(declared(VANTELIX_TEST_EXECUTABLE_FOLDER)).canonicalPath();
    QVERIFY(!folder.isEmpty());
    QCOMPARE(QDir(app::path()).canonicalPath(), folder);

    // Not the working directory: start-up from elsewhere gives the same folder.
    const QString previous = QDir::currentPath();
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    const QString fromElsewhere = QDir(app::path()).canonicalPath();
    QVERIFY(QDir::setCurrent(previous));
    QCOMPARE(fromElsewhere, folder);
}

QTEST_GUILESS_MAIN(tst_Identity)
#include "tst_identity.moc"
