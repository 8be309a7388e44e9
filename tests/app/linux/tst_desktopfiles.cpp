#include "filebytes.h"
#include "icofile.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QTest>
#include <QXmlStreamReader>

// The freedesktop files generated from the identity: they must name the
// program, its id and its version as the project declares them (passed in as
// compile definitions), and the icons must be the application icon's.
namespace {
QString declared(const char *value) { return QString::fromUtf8(value); }

QString applicationId() { return declared(VANTELIX_TEST_APPLICATION_ID); }

// Keys of the [Desktop Entry] group.
QHash<QString, QString> desktopEntry()
{
    QHash<QString, QString> keys;
    bool inEntry = false;
    const QString text = QString::fromUtf8(fileBytes(declared(VANTELIX_TEST_DESKTOP_ENTRY)));
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('[')))
            inEntry = line == QStringLiteral("[Desktop Entry]");
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inEntry && equals > 0)
            keys.insert(line.left(equals), line.mid(equals + 1));
    }
    return keys;
}

// Text of the metainfo elements, keyed by path and attribute, e.g.
// "component/launchable[type=desktop-id]" or "component/releases/release@version".
QHash<QString, QString> metainfo()
{
    QHash<QString, QString> values;
    QXmlStreamReader xml(fileBytes(declared(VANTELIX_TEST_METAINFO)));
    QStringList path;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            QString element = xml.name().toString();
            const QXmlStreamAttributes attributes = xml.attributes();
            for (const QXmlStreamAttribute &attribute : attributes) {
                values.insert(path.join(QLatin1Char('/')) + QLatin1Char('/') + element + QLatin1Char('@')
                                  + attribute.name().toString(),
                              attribute.value().toString());
            }
            if (attributes.hasAttribute(QStringLiteral("type")))
                element += QStringLiteral("[type=%1]").arg(attributes.value(QStringLiteral("type")));
            path.append(element);
        } else if (xml.isEndElement()) {
            path.removeLast();
        } else if (xml.isCharacters() && !xml.isWhitespace()) {
            values.insert(path.join(QLatin1Char('/')), xml.text().toString().trimmed());
        }
    }
    if (xml.hasError())
        values.insert(QStringLiteral("error"), xml.errorString());
    return values;
}
} // namespace

class tst_DesktopFiles : public QObject
{
    Q_OBJECT

private slots:
    void fileNamesAreTheApplicationId_data();
    void fileNamesAreTheApplicationId();
    void desktopEntry_data();
    void desktopEntry();
    void metainfo_data();
    void metainfo();
    void icons_data();
    void icons();
};

void tst_DesktopFiles::fileNamesAreTheApplicationId_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("desktop entry") << declared(VANTELIX_TEST_DESKTOP_ENTRY) << applicationId() + QStringLiteral(".desktop");
    QTest::newRow("metainfo") << declared(VANTELIX_TEST_METAINFO) << applicationId() + QStringLiteral(".metainfo.xml");
}

void tst_DesktopFiles::fileNamesAreTheApplicationId()
{
    QFETCH(QString, path);
    QFETCH(QString, fileName);
    QCOMPARE(QFileInfo(path).fileName(), fileName);
    QVERIFY2(QFileInfo::exists(path), qPrintable(path));
}

void tst_DesktopFiles::desktopEntry_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("runs the executable") << QStringLiteral("Exec") << declared(VANTELIX_TEST_EXECUTABLE);
    QTest::newRow("window class of the executable")
        << QStringLiteral("StartupWMClass") << declared(VANTELIX_TEST_EXECUTABLE);
    QTest::newRow("icon named by the id") << QStringLiteral("Icon") << applicationId();
    QTest::newRow("named by the title") << QStringLiteral("Name") << declared(VANTELIX_TEST_PROJECT_NAME);
    QTest::newRow("an application") << QStringLiteral("Type") << QStringLiteral("Application");
    QTest::newRow("no terminal") << QStringLiteral("Terminal") << QStringLiteral("false");
}

void tst_DesktopFiles::desktopEntry()
{
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QCOMPARE(::desktopEntry().value(key), expected);
}

void tst_DesktopFiles::metainfo_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");

    QTest::newRow("a desktop application")
        << QStringLiteral("/component@type") << QStringLiteral("desktop-application");
    QTest::newRow("id") << QStringLiteral("component[type=desktop-application]/id") << applicationId();
    QTest::newRow("launched by the desktop entry")
        << QStringLiteral("component[type=desktop-application]/launchable[type=desktop-id]")
        << applicationId() + QStringLiteral(".desktop");
    QTest::newRow("name") << QStringLiteral("component[type=desktop-application]/name")
                          << declared(VANTELIX_TEST_PROJECT_NAME);
    QTest::newRow("release of this version")
        << QStringLiteral("component[type=desktop-application]/releases/release@version")
        << declared(VANTELIX_TEST_VERSION);
    QTest::newRow("provides the executable")
        << QStringLiteral("component[type=desktop-application]/provides/binary") << declared(VANTELIX_TEST_EXECUTABLE);
    QTest::newRow("homepage")
        << QStringLiteral("component[type=desktop-application]/url[type=homepage]") << declared(VANTELIX_TEST_HOMEPAGE);
    QTest::newRow("developer") << QStringLiteral("component[type=desktop-application]/developer_name")
                               << declared(VANTELIX_TEST_COMPANY);
}

void tst_DesktopFiles::metainfo()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    const QHash<QString, QString> values = ::metainfo();
    QVERIFY2(!values.contains(QStringLiteral("error")), qPrintable(values.value(QStringLiteral("error"))));
    QCOMPARE(values.value(path), expected);
}

void tst_DesktopFiles::icons_data()
{
    QTest::addColumn<int>("size");

    QTest::newRow("16 px") << 16;
    QTest::newRow("32 px") << 32;
    QTest::newRow("48 px") << 48;
}

void tst_DesktopFiles::icons()
{
    QFETCH(int, size);
    const QString path = QStringLiteral("%1/%2x%2/apps/%3.png")
                             .arg(declared(VANTELIX_TEST_ICON_THEME_DIR))
                             .arg(size)
                             .arg(applicationId());
    const QImage png(path);
    QVERIFY2(!png.isNull(), qPrintable(path));
    QCOMPARE(png.size(), QSize(size, size));
    QVERIFY(png.hasAlphaChannel());

    // The 32-bit image of that size in the application icon, decoded by Qt.
    const QString iconFile = declared(VANTELIX_TEST_ICON_FILE);
    const IcoFile icon = readIcoFile(fileBytes(iconFile));
    QVERIFY2(icon.valid, icon.error.constData());
    qsizetype index = 0;
    while (index < icon.images.size() && !(icon.images[index].width == size && icon.images[index].bitCount == 32))
        ++index;
    QVERIFY2(index < icon.images.size(), "no 32-bit image of this size in the application icon");
    QImageReader reader(iconFile, "ico");
    QVERIFY(reader.jumpToImage(int(index)));
    const QImage original = reader.read();
    QVERIFY2(!original.isNull(), qPrintable(reader.errorString()));

    // Premultiplied, so that the colour under a fully transparent pixel does not count.
    QCOMPARE(png.convertToFormat(QImage::Format_ARGB32_Premultiplied),
             original.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

QTEST_GUILESS_MAIN(tst_DesktopFiles)
#include "tst_desktopfiles.moc"
