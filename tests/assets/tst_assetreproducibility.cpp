// The committed pictures and icons are exactly what the generator makes: run
// it into a fresh folder and compare every file byte for byte.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestAssetReproducibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sameBytes_data();
    void sameBytes();
    void nothingElseGenerated();

private:
    QTemporaryDir m_output;
};

static QStringList committedAssetNames()
{
    return QStringLiteral(ASSET_FILES).split(u',', Qt::SkipEmptyParts);
}

void TestAssetReproducibility::initTestCase()
{
    QVERIFY(m_output.isValid());
    QProcess generator;
    generator.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    generator.start(QStringLiteral(ASSETGEN_PATH), {m_output.path()});
    QVERIFY2(generator.waitForFinished(60000), "the generator did not finish");
    QCOMPARE(generator.exitStatus(), QProcess::NormalExit);
    QCOMPARE(generator.exitCode(), 0);
}

void TestAssetReproducibility::sameBytes_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : committedAssetNames())
        QTest::newRow(qPrintable(name)) << name;
}

void TestAssetReproducibility::sameBytes()
{
    QFETCH(QString, name);
    QFile committed(QDir(QStringLiteral(COMMITTED_ASSETS_DIR)).filePath(name));
    QFile generated(QDir(m_output.path()).filePath(name));
    QVERIFY2(committed.open(QIODevice::ReadOnly), qPrintable(committed.fileName()));
    QVERIFY2(generated.open(QIODevice::ReadOnly), "the generator did not write it");
    const QByteArray expected = committed.readAll();
    const QByteArray actual = generated.readAll();
    if (actual != expected) {
        qsizetype first = 0;
        while (first < qMin(actual.size(), expected.size()) && actual.at(first) == expected.at(first))
            ++first;
        QFAIL(qPrintable(QStringLiteral("differs from byte %1 on (%2 bytes generated, %3 committed); "
                                        "run tools/generate-assets.sh")
                             .arg(first)
                             .arg(actual.size())
                             .arg(expected.size())));
    }
}

void TestAssetReproducibility::nothingElseGenerated()
{
    QStringList generated = QDir(m_output.path()).entryList(QDir::Files, QDir::Name);
    QStringList committed = committedAssetNames();
    committed.sort();
    QCOMPARE(generated, committed);
}

QTEST_GUILESS_MAIN(TestAssetReproducibility)
#include "tst_assetreproducibility.moc"
