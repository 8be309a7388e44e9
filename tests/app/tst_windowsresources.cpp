#include "appidentity.h"
#include "builtresources.h"
#include "icofile.h"
#include "resfile.h"
#include "versioninfo.h"

#include <QFile>
#include <QTest>
#include <QtEndian>

#include <algorithm>

// Reads back the resources of the Windows executable: from the built .exe in
// a Windows build, else as windres compiles the resource script for it.
// Expected values come from the project declaration (compile definitions
// from the test's CMakeLists) and from the application icon.
namespace {
QString declared(const char *value) { return QString::fromUtf8(value); }
quint32 declaredNumber(const char *value) { return declared(value).toUInt(); }

quint32 declaredMajor() { return declaredNumber(VANTELIX_TEST_VERSION_MAJOR); }
quint32 declaredMinor() { return declaredNumber(VANTELIX_TEST_VERSION_MINOR); }
quint32 declaredRevision() { return declaredNumber(VANTELIX_TEST_VERSION_PATCH); }

QString declaredResourceVersion()
{
    return QString::asprintf("%u.%02u.%04u", declaredMajor(), declaredMinor(), declaredRevision());
}

constexpr quint16 kEnglishUnitedStates = 0x0409;
constexpr quint16 kNeutral = 0;
constexpr int kFirstIconImage = 30001;

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString describe(const resfile::Resource &resource)
{
    return QStringLiteral("type %1 name %2 language %3")
        .arg(resource.type.toString(), resource.name.toString())
        .arg(resource.language, 4, 16, QLatin1Char('0'));
}
} // namespace

class tst_WindowsResources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void onlyTheVersionAndIconResources();
    void fixedPart_data();
    void fixedPart();
    void blocksInOrder();
    void translation();
    void strings_data();
    void strings();
    void stringTableHoldsOnlyTheseEntriesInOrder();
    void iconGroup_data();
    void iconGroup();

private:
    const resfile::Resource *find(quint16 type, quint16 name) const;
    const versioninfo::Node *stringTable() const;

    QList<resfile::Resource> m_resources;
    versioninfo::Node m_version;
    QList<icofile::Image> m_icon;
};

void tst_WindowsResources::initTestCase()
{
    const BuiltResources built = readBuiltResources();
    if (built.source.isEmpty())
        QSKIP("x86_64-w64-mingw32-windres was not found when the build was configured, so the Windows "
              "resources were not compiled: install binutils-mingw-w64-x86-64 and configure again");
    QVERIFY2(built.error.isEmpty(), qPrintable(built.error));
    m_resources = built.resources;

    QString error;
    m_icon = icofile::read(readFile(declared(VANTELIX_TEST_ICON_FILE)), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    const resfile::Resource *version = find(resfile::kVersion, 1);
    QVERIFY(version);
    m_version = versioninfo::parse(version->data, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
}

const resfile::Resource *tst_WindowsResources::find(quint16 type, quint16 name) const
{
    const auto found = std::find_if(m_resources.cbegin(), m_resources.cend(), [&](const resfile::Resource &r) {
        return r.type.name.isEmpty() && r.type.number == type && r.name.name.isEmpty() && r.name.number == name;
    });
    return found == m_resources.cend() ? nullptr : &*found;
}

const versioninfo::Node *tst_WindowsResources::stringTable() const
{
    const versioninfo::Node *strings = m_version.child(QStringLiteral("StringFileInfo"));
    return strings ? strings->child(QStringLiteral("040904B0")) : nullptr;
}

void tst_WindowsResources::onlyTheVersionAndIconResources()
{
    QStringList actual;
    for (const resfile::Resource &resource : std::as_const(m_resources))
        actual.append(describe(resource));
    actual.sort();

    QStringList expected;
    expected.append(describe({{resfile::kVersion, {}}, {1, {}}, kEnglishUnitedStates, {}}));
    expected.append(describe({{resfile::kGroupIcon, {}}, {1, {}}, kNeutral, {}}));
    for (int image = 0; image < 6; ++image)
        expected.append(describe({{resfile::kIcon, {}}, {quint16(kFirstIconImage + image), {}}, kNeutral, {}}));
    expected.sort();

    QCOMPARE(actual, expected);
}

void tst_WindowsResources::fixedPart_data()
{
    QTest::addColumn<int>("field");         // index of the 32-bit field in VS_FIXEDFILEINFO
    QTest::addColumn<quint32>("expected");

    const quint32 mostSignificant = declaredMajor() << 16 | declaredMinor();
    const quint32 leastSignificant = 0u << 16 | declaredRevision();
    QTest::newRow("signature") << 0 << 0xFEEF04BDu;
    QTest::newRow("structure version 1.0") << 1 << 0x00010000u;
    QTest::newRow("file version: major, minor") << 2 << mostSignificant;
    QTest::newRow("file version: 0, revision") << 3 << leastSignificant;
    QTest::newRow("product version: major, minor") << 4 << mostSignificant;
    QTest::newRow("product version: 0, revision") << 5 << leastSignificant;
    QTest::newRow("flags mask") << 6 << 0u;
    QTest::newRow("flags") << 7 << 0u;
    QTest::newRow("operating system VOS__WINDOWS32") << 8 << 4u;
    QTest::newRow("file type VFT_APP") << 9 << 1u;
    QTest::newRow("file subtype") << 10 << 0u;
    QTest::newRow("file date, high") << 11 << 0u;
    QTest::newRow("file date, low") << 12 << 0u;
}

void tst_WindowsResources::fixedPart()
{
    QFETCH(int, field);
    QFETCH(quint32, expected);
    QCOMPARE(m_version.key, QStringLiteral("VS_VERSION_INFO"));
    QCOMPARE(m_version.value.size(), 13 * 4);
    QCOMPARE(qFromLittleEndian<quint32>(m_version.value.constData() + 4 * field), expected);
}

void tst_WindowsResources::blocksInOrder()
{
    QCOMPARE(m_version.childKeys(), QStringList({QStringLiteral("VarFileInfo"), QStringLiteral("StringFileInfo")}));
    QCOMPARE(m_version.child(QStringLiteral("StringFileInfo"))->childKeys(),
             QStringList(QStringLiteral("040904B0")));
}

void tst_WindowsResources::translation()
{
    const versioninfo::Node *variables = m_version.child(QStringLiteral("VarFileInfo"));
    QVERIFY(variables);
    QCOMPARE(variables->childKeys(), QStringList(QStringLiteral("Translation")));
    const QByteArray value = variables->children.constFirst().value;
    QCOMPARE(value.size(), 4);
    QCOMPARE(qFromLittleEndian<quint16>(value.constData()), kEnglishUnitedStates);
    QCOMPARE(qFromLittleEndian<quint16>(value.constData() + 2), quint16(1200));
}

void tst_WindowsResources::strings_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("CompanyName") << QStringLiteral("CompanyName") << declared(VANTELIX_TEST_COMPANY);
    QTest::newRow("LegalTrademarks") << QStringLiteral("LegalTrademarks") << declared(VANTELIX_TEST_COPYRIGHT);
    QTest::newRow("ProductName") << QStringLiteral("ProductName") << declared(VANTELIX_TEST_PROJECT_NAME);
    QTest::newRow("FileVersion") << QStringLiteral("FileVersion") << declaredResourceVersion();
    QTest::newRow("ProductVersion") << QStringLiteral("ProductVersion") << declaredResourceVersion();
    QTest::newRow("InternalName") << QStringLiteral("InternalName") << declared(VANTELIX_TEST_EXECUTABLE);
    QTest::newRow("OriginalFilename")
        << QStringLiteral("OriginalFilename") << declared(VANTELIX_TEST_EXECUTABLE) + QStringLiteral(".exe");
}

void tst_WindowsResources::strings()
{
    QFETCH(QString, key);
    QFETCH(QString, expected);
    const versioninfo::Node *table = stringTable();
    QVERIFY(table);
    const versioninfo::Node *entry = table->child(key);
    QVERIFY2(entry, qPrintable(key));
    QCOMPARE(entry->type, quint16(1));
    QCOMPARE(entry->text(), expected);
}

void tst_WindowsResources::stringTableHoldsOnlyTheseEntriesInOrder()
{
    const versioninfo::Node *table = stringTable();
    QVERIFY(table);
    const QStringList expected = {
        QStringLiteral("CompanyName"), QStringLiteral("LegalTrademarks"), QStringLiteral("ProductName"),
        QStringLiteral("FileVersion"), QStringLiteral("ProductVersion"), QStringLiteral("InternalName"),
        QStringLiteral("OriginalFilename"),
    };
    QCOMPARE(table->childKeys(), expected);
}

void tst_WindowsResources::iconGroup_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("bitCount");

    QTest::newRow("1: 16x16, 256 colours") << 1 << 16 << 8;
    QTest::newRow("2: 32x32, 256 colours") << 2 << 32 << 8;
    QTest::newRow("3: 48x48, 256 colours") << 3 << 48 << 8;
    QTest::newRow("4: 16x16, alpha") << 4 << 16 << 32;
    QTest::newRow("5: 32x32, alpha") << 5 << 32 << 32;
    QTest::newRow("6: 48x48, alpha") << 6 << 48 << 32;
}

void tst_WindowsResources::iconGroup()
{
    QFETCH(int, order);
    QFETCH(int, size);
    QFETCH(int, bitCount);

    const resfile::Resource *group = find(resfile::kGroupIcon, 1);
    QVERIFY(group);
    // GRPICONDIR: reserved, type 1, count; then 14-byte entries.
    const char *directory = group->data.constData();
    QCOMPARE(group->data.size(), 6 + 14 * 6);
    QCOMPARE(qFromLittleEndian<quint16>(directory), quint16(0));
    QCOMPARE(qFromLittleEndian<quint16>(directory + 2), quint16(1));
    QCOMPARE(qFromLittleEndian<quint16>(directory + 4), quint16(6));
    QCOMPARE(m_icon.size(), 6);

    const char *entry = directory + 6 + 14 * (order - 1);
    const icofile::Image &image = m_icon.at(order - 1);
    QCOMPARE(image.width, size);
    QCOMPARE(int(quint8(entry[0])), size);
    QCOMPARE(int(quint8(entry[1])), size);
    QCOMPARE(int(quint8(entry[2])), image.colourCount);
    QCOMPARE(qFromLittleEndian<quint16>(entry + 4), quint16(1));
    QCOMPARE(qFromLittleEndian<quint16>(entry + 6), quint16(bitCount));
    QCOMPARE(qFromLittleEndian<quint32>(entry + 8), quint32(image.data.size()));
    const quint16 id = qFromLittleEndian<quint16>(entry + 12);
    QCOMPARE(id, quint16(kFirstIconImage + order - 1));

    const resfile::Resource *picture = find(resfile::kIcon, id);
    QVERIFY(picture);
    QVERIFY2(picture->data == image.data, "icon image differs from the application icon's");
}

QTEST_GUILESS_MAIN(tst_WindowsResources)
#include "tst_windowsresources.moc"
