// What the Windows shell is given when a link of the About window is
// clicked: a stand-in takes the place of ShellExecuteA and notes its six
// arguments. Then the real function, once, with the website.

#include "frmabout.h"
#include "shellexecuteshell.h"
#include "usertexts.h"

#include <QLabel>
#include <QTest>

namespace {

struct Call
{
    HWND owner = nullptr;
    QByteArray operation, file, parameters, directory; // null where the shell got no text
    INT showCommand = 0;
};

// The stand-in is a plain function, so it records here.
QList<Call> g_calls;
INT_PTR g_answer = 0;

HINSTANCE WINAPI recordShellExecuteA(HWND owner, LPCSTR operation, LPCSTR file, LPCSTR parameters,
                                     LPCSTR directory, INT showCommand)
{
    g_calls.append({owner, QByteArray(operation), QByteArray(file), QByteArray(parameters), QByteArray(directory),
                    showCommand});
    return reinterpret_cast<HINSTANCE>(INT_PTR(33)); // above 32: opened
}

// The real function, noting its answer.
HINSTANCE WINAPI shell32(HWND owner, LPCSTR operation, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                         INT showCommand)
{
    const HINSTANCE answer = ::ShellExecuteA(owner, operation, file, parameters, directory, showCommand);
    g_answer = reinterpret_cast<INT_PTR>(answer);
    return answer;
}

// The folder of this program as Windows names it, in its ANSI code page.
QByteArray programFolder()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const QByteArray file(path, qsizetype(length));
    return file.left(file.lastIndexOf('\\'));
}

} // namespace

class tst_ShellExecuteShell : public QObject
{
    Q_OBJECT

private slots:
    void clickedLinkReachesTheShell_data();
    void clickedLinkReachesTheShell();
    void shellOpensTheWebsite();
};

void tst_ShellExecuteShell::clickedLinkReachesTheShell_data()
{
    QTest::addColumn<QString>("link");    // the label clicked
    QTest::addColumn<QByteArray>("file"); // the target as the shell gets it

    QTest::newRow("website") << "Label5" << texts::kWebsite.toLatin1();
    QTest::newRow("e-mail") << "Label4" << texts::kMailLink.toLatin1();
}

void tst_ShellExecuteShell::clickedLinkReachesTheShell()
{
    QFETCH(QString, link);
    QFETCH(QByteArray, file);

    platform::ShellExecuteShell shell(&recordShellExecuteA);
    QWidget owner;
    owner.show();
    FrmAbout window(&owner, shell);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto *label = window.findChild<QLabel *>(link);
    QVERIFY(label);

    g_calls.clear();
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, label->geometry().center());

    QCOMPARE(g_calls.size(), 1);
    const Call &call = g_calls.constFirst();
    // On behalf of the About window, whose messages the shell owns.
    QCOMPARE(call.owner, reinterpret_cast<HWND>(window.winId()));
    QCOMPARE(call.operation, QByteArray("Open"));
    QCOMPARE(call.file, file);
    QVERIFY(!call.parameters.isNull()); // an empty text, not none
    QCOMPARE(call.parameters, QByteArray(""));
    QCOMPARE(call.directory, programFolder());
    QCOMPARE(call.showCommand, SW_SHOWNORMAL);
}

void tst_ShellExecuteShell::shellOpensTheWebsite()
{
    // The test prefix lists no browser, so nothing opens; the shell still
    // answers for the request it took. A wide call or an unknown operation
    // would come back as an error code (at most 32).
    platform::ShellExecuteShell(&shell32).open(0, texts::kWebsite, QCoreApplication::applicationDirPath());
    QVERIFY2(g_answer > 32, qPrintable(QString::number(g_answer)));
}

QTEST_MAIN(tst_ShellExecuteShell)
#include "tst_shellexecuteshell.moc"
