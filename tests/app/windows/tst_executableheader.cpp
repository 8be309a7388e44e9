// The header of the built executable as Windows reads it: an x86-64 program
// for the GUI subsystem (Windows opens no console for it) whose image
// version is the declared major.minor.

#include <QFile>
#include <QTest>

#include <windows.h>

#include <cstring>

class tst_ExecutableHeader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void field_data();
    void field();

private:
    IMAGE_NT_HEADERS64 m_headers{};
};

void tst_ExecutableHeader::initTestCase()
{
    QFile file(QString::fromUtf8(VANTELIX_TEST_EXE_FILE));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
    const QByteArray bytes = file.readAll();

    IMAGE_DOS_HEADER dos{};
    QVERIFY(bytes.size() >= qsizetype(sizeof dos));
    std::memcpy(&dos, bytes.constData(), sizeof dos);
    QCOMPARE(dos.e_magic, WORD(IMAGE_DOS_SIGNATURE));
    QVERIFY(dos.e_lfanew > 0 && bytes.size() >= dos.e_lfanew + qsizetype(sizeof m_headers));
    std::memcpy(&m_headers, bytes.constData() + dos.e_lfanew, sizeof m_headers);
    QCOMPARE(m_headers.Signature, DWORD(IMAGE_NT_SIGNATURE));
    QCOMPARE(m_headers.OptionalHeader.Magic, WORD(IMAGE_NT_OPTIONAL_HDR64_MAGIC));
}

void tst_ExecutableHeader::field_data()
{
    QTest::addColumn<int>("actual");
    QTest::addColumn<int>("expected");

    const IMAGE_OPTIONAL_HEADER64 &optional = m_headers.OptionalHeader;
    QTest::newRow("x86-64") << int(m_headers.FileHeader.Machine) << IMAGE_FILE_MACHINE_AMD64;
    QTest::newRow("GUI subsystem, no console") << int(optional.Subsystem) << IMAGE_SUBSYSTEM_WINDOWS_GUI;
    QTest::newRow("image version, major") << int(optional.MajorImageVersion)
                                          << QByteArray(VANTELIX_TEST_VERSION_MAJOR).toInt();
    QTest::newRow("image version, minor") << int(optional.MinorImageVersion)
                                          << QByteArray(VANTELIX_TEST_VERSION_MINOR).toInt();
}

void tst_ExecutableHeader::field()
{
    QFETCH(int, actual);
    QFETCH(int, expected);
    QCOMPARE(actual, expected);
}

QTEST_GUILESS_MAIN(tst_ExecutableHeader)
#include "tst_executableheader.moc"
