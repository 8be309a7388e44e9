#include "eventhandler.h"
#include "runtimeerror.h"

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <stdexcept>

namespace {

// In a child process: one handler fails the way the row says; the error box
// that follows is described on stdout and answered with Enter.
int runFailingHandler(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QByteArray kind = argv[2];
    QObject context;
    QTimer::singleShot(0, &context, [kind] {
        runHandler([kind] {
            if (kind == "overflow")
                core::throwOverflow();
            if (kind == "std")
                throw std::runtime_error("Out of paper");
            throw 42;
        });
    });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &context, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            std::printf("%s|%d|%s", qPrintable(box->windowTitle()), int(box->icon()), qPrintable(box->text()));
            std::fflush(stdout);
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    poll.start(5);
    QApplication::exec();
    return 0; // only if the program was not ended
}

} // namespace

class tst_FatalError : public QObject
{
    Q_OBJECT

private slots:
    void errorIsShownThenTheProgramEnds_data();
    void errorIsShownThenTheProgramEnds();
};

void tst_FatalError::errorIsShownThenTheProgramEnds_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("a guard trips") << "overflow" << "Run-time error '6':\n\nOverflow";
    QTest::newRow("a library throws") << "std" << "Run-time error:\n\nOut of paper";
    QTest::newRow("something else is thrown") << "other" << "Run-time error:\n\nUnknown error";
}

void tst_FatalError::errorIsShownThenTheProgramEnds()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);

    QProcess child;
    // Text mode: a Windows child's stdout turns each \n into \r\n.
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--fail"), kind},
                QIODevice::ReadWrite | QIODevice::Text);
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), EXIT_FAILURE);
    const QString expected = QStringLiteral("Vantelix|%1|%2").arg(int(QMessageBox::Critical)).arg(message);
    QCOMPARE(QString::fromLocal8Bit(child.readAllStandardOutput()), expected);
}

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--fail") == 0)
        return runFailingHandler(argc, argv);
    QApplication application(argc, argv);
    tst_FatalError test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fatalerror.moc"
