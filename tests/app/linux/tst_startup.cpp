// The program's start-up as main() runs it: the application is named before
// anything else sees it, the font configuration was loaded on a worker thread
// before the window needed it, the main window is up when the event loop
// starts, and Exit ends the program with status 0.
//
// runVantelix() creates the application itself, so this test has a main of
// its own rather than a Qt Test one; each failed check is printed. The names
// expected are the project declaration's (compile definitions).

#include "fcinitrecorder.h"
#include "startup.h"
#include "usertexts.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

class Checks
{
public:
    void expect(bool holds, const char *what)
    {
        if (!holds)
            m_failures << QString::fromUtf8(what);
    }

    bool report() const
    {
        for (const QString &failure : m_failures)
            std::fprintf(stderr, "FAIL: %s\n", qPrintable(failure));
        return m_failures.isEmpty();
    }

private:
    QStringList m_failures;
};

QWidget *onlyTopLevelWindow()
{
    QWidget *found = nullptr;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (!window->isVisible())
            continue;
        if (found)
            return nullptr;
        found = window;
    }
    return found;
}

} // namespace

int main(int argc, char *argv[])
{
    Checks checks;
    bool loopStarted = false;

    const int status = runVantelix(argc, argv, [&](QApplication &application) {
        checks.expect(QCoreApplication::applicationName() == QLatin1String(VANTELIX_TEST_EXECUTABLE),
                      "the application carries the executable's name");
        checks.expect(QGuiApplication::desktopFileName() == QLatin1String(VANTELIX_TEST_APPLICATION_ID),
                      "the application names its desktop entry");
        checks.expect(QApplication::topLevelWidgets().isEmpty(), "no window exists before the application is ready");

        QTimer::singleShot(0, &application, [&] {
            loopStarted = true;
            const std::vector<fcinit::Call> fontLoads = fcinit::callsSoFar();
            checks.expect(!fontLoads.empty() && fontLoads.front().loaded,
                          "the font configuration is loaded when the window shows");
            checks.expect(!fontLoads.empty() && fontLoads.front().thread != std::this_thread::get_id(),
                          "the font configuration was loaded on a worker thread, not by the window");

            QWidget *window = onlyTopLevelWindow();
            checks.expect(window && window->objectName() == QLatin1String("frmControl"),
                          "the main window is the one window shown");
            if (!window) {
                QCoreApplication::exit(EXIT_FAILURE);
                return;
            }
            checks.expect(window->windowTitle() == texts::kTitle, "the main window carries the program's title");
            auto *exit = window->findChild<QPushButton *>(QStringLiteral("cmdExit"));
            checks.expect(exit != nullptr, "the main window has its Exit button");
            if (exit)
                QTest::mouseClick(exit, Qt::LeftButton);
            else
                QCoreApplication::exit(EXIT_FAILURE);
        });
    });

    checks.expect(loopStarted, "the event loop ran");
    checks.expect(status == EXIT_SUCCESS, "Exit ends the program with status 0");
    return checks.report() ? EXIT_SUCCESS : EXIT_FAILURE;
}
