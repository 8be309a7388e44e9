#include "builtresources.h"
#include "filebytes.h"
#include "icofile.h"
#include "resfile.h"
#include "versioninfo.h"

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

constexpr quint16 kEnglishUnitedStates = 0x0409;
constexpr quint16 kNeutral = 0;
constexpr int kIconImages = 6;
constexpr int kFirstIconImage = 30001;

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
    void blocks();
    void stringTable();
    void iconGroup_data();
    void iconGroup();

private:
    const resfile::Resource *find(quint16 type, quint16 name) const;

    QList<resfile::Resource> m_resources;
    versioninfo::Node m_version;
    QByteArray m_iconBytes;
    IcoFile m_icon;
};

void tst_WindowsResources::initTestCase()
{
    const BuiltResources built = readBuiltResources();
    if (built.source.isEmpty())
        QSKIP("x86_64-w64-mingw32-windres was not found when the build was configured, so the Windows "
              "resources were not compiled: install binutils-mingw-w64-x86-64 and configure again");
    QVERIFY2(built.error.isEmpty(), qPrintable(built.error));
    m_resources = built.resources;

    m_iconBytes = fileBytes(declared(VANTELIX_TEST_ICON_FILE));
    m_icon = readIcoFile(m_iconBytes);
    QVERIFY2(m_icon.valid, m_icon.error.constData());

    const resfile::Resource *version = find(resfile::kVersion, 1);
    QVERIFY(version);
    QString error;
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

void tst_WindowsResources::onlyTheVersionAndIconResources()
{
    QStringList actual;
    for (const resfile::Resource &resource : std::as_const(m_resources))
        actual.append(describe(resource));
    actual.sort();

    QStringList expected;
    expected.append(describe({{resfile::kVersion, {}}, {1, {}}, kEnglishUnitedStates, {}}));
    expected.append(describe({{resfile::kGroupIcon, {}}, {1, {}}, kNeutral, {}}));
    for (int image = 0; image < kIconImages; ++image)
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

void tst_WindowsResources::blocks()
{
    // Variables first, then one string table: English (United States), Unicode.
    QCOMPARE(m_version.childKeys(), QStringList({QStringLiteral("VarFileInfo"), QStringLiteral("StringFileInfo")}));
    QCOMPARE(m_version.child(QStringLiteral("StringFileInfo"))->childKeys(),
             QStringList(QStringLiteral("040904B0")));
    const versioninfo::Node *variables = m_version.child(QStringLiteral("VarFileInfo"));
    QVERIFY(variables);
    QCOMPARE(variables->childKeys(), QStringList(QStringLiteral("Translation")));
    const QByteArray value = variables->children.constFirst().value;
    QCOMPARE(value.size(), 4);
    QCOMPARE(qFromLittleEndian<quint16>(value.constData()), kEnglishUnitedStates);
    QCOMPARE(qFromLittleEndian<quint16>(value.constData() + 2), quint16(1200));
}

void tst_WindowsResources::stringTable()
{
    const versioninfo::Node *strings = m_version.child(QStringLiteral("StringFileInfo"));
    const versioninfo::Node *table = strings ? strings->child(QStringLiteral("040904B0")) : nullptr;
    QVERIFY(table);
    // Every entry a text value, these and no others, in this order.
    QStringList actual;
    for (const versioninfo::Node &entry : table->children)
        actual << QStringLiteral("%1 (type %2): %3").arg(entry.key).arg(entry.type).arg(entry.text());
    const auto text = [](const char *key, const QString &value) {
        return QStringLiteral("%1 (type 1): %2").arg(QLatin1String(key), value);
    };
    const QString version =
        QString::asprintf("%u.%02u.%04u", declaredMajor(), declaredMinor(), declaredRevision());
    const QStringList expected = {
        text("CompanyName", declared(VANTELIX_TEST_COMPANY)),
        text("LegalTrademarks", declared(VANTELIX_TEST_COPYRIGHT)),
        text("ProductName", declared(VANTELIX_TEST_PROJECT_NAME)),
        text("FileVersion", version),
        text("ProductVersion", version),
        text("InternalName", declared(VANTELIX_TEST_EXECUTABLE)),
        text("OriginalFilename", declared(VANTELIX_TEST_EXECUTABLE) + QStringLiteral(".exe")),
    };
    QCOMPARE(actual, expected);
}

void tst_WindowsResources::iconGroup_data()
{
    QTest::addColumn<int>("index"); // of the image in the application icon
    for (int index = 0; index < kIconImages; ++index)
        QTest::addRow("image %d, id %d", index + 1, kFirstIconImage + index) << index;
}

void tst_WindowsResources::iconGroup()
{
    QFETCH(int, index);
    QCOMPARE(m_icon.images.size(), kIconImages);

    // The group is the icon file's directory with each image's 32-bit file
    // offset replaced by its 16-bit resource id: a 6-byte header, then
    // 14 bytes an image.
    const resfile::Resource *group = find(resfile::kGroupIcon, 1);
    QVERIFY(group);
    QCOMPARE(group->data.size(), 6 + 14 * kIconImages);
    QCOMPARE(group->data.left(6), m_iconBytes.left(6));
    const qsizetype entry = 6 + 14 * index;
    QCOMPARE(group->data.mid(entry, 12), m_iconBytes.mid(6 + 16 * index, 12));
    const quint16 id = qFromLittleEndian<quint16>(group->data.constData() + entry + 12);
    QCOMPARE(id, quint16(kFirstIconImage + index));

    const resfile::Resource *image = find(resfile::kIcon, id);
    QVERIFY(image);
    QVERIFY2(image->data == m_icon.images.at(index).data, "the image differs from the application icon's");
}

QTEST_GUILESS_MAIN(tst_WindowsResources)
#include "tst_windowsresources.moc"
