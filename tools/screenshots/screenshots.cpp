// Drives the real windows through the states the README shows and saves what
// the screen shows of them. Run it on an X server of its own (Xvfb): the
// windows are real, the CD tray is not touched.
//
// Given a look's name as well (the desktop's font and colours set by the
// caller, see tools/take-screenshots.sh), it takes only the main and the
// About window as they open, as main-window-<look> and about-window-<look>.

#include "mainwindowundertest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QPointer>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "vantelix-screenshots: %s\n", what);
    std::exit(EXIT_FAILURE);
}

// Answers the modal windows the program opens, in order, without blocking:
// each handler gets the next new modal window and must close it.
class ModalScript : public QObject
{
public:
    ModalScript()
    {
        connect(&m_poll, &QTimer::timeout, this, &ModalScript::look);
        m_poll.start(10);
    }

    void expect(std::function<void(QWidget *)> handler) { m_handlers.append(std::move(handler)); }

    void waitUntilDone() const
    {
        const QDeadlineTimer deadline(10000);
        while (!m_handlers.isEmpty()) {
            if (deadline.hasExpired())
                fail("an expected window did not open");
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
    }

private:
    void look()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == m_last || m_handlers.isEmpty())
            return;
        m_last = modal;
        m_handlers.takeFirst()(modal);
    }

    QTimer m_poll;
    QPointer<QWidget> m_last;
    QList<std::function<void(QWidget *)>> m_handlers;
};

class Photographer
{
public:
    explicit Photographer(const QString &folder)
        : m_folder(folder)
    {
        if (!m_folder.mkpath(QStringLiteral(".")))
            fail("cannot create the output folder");
    }

    // Saves the part of the screen the given windows cover.
    void shoot(const QString &name, const QList<QWidget *> &windows) const
    {
        QRect area;
        for (QWidget *window : windows)
            area |= window->frameGeometry();
        QTest::qWait(200); // let the X server finish painting
        const QPixmap shot =
            QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
        const QString file = m_folder.filePath(name + QStringLiteral(".png"));
        if (!shot.save(file))
            fail("cannot write a screenshot");
        std::printf("%s\n", qPrintable(file));
    }

private:
    QDir m_folder;
};

template<typename T>
T *child(QWidget *window, const char *name)
{
    auto *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        fail(name);
    return found;
}

void press(QWidget *window, const char *slider, Qt::Key key, int times = 1)
{
    auto *target = child<QSlider>(window, slider);
    target->setFocus();
    for (int i = 0; i < times; ++i)
        QTest::keyClick(target, key);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 2 && argc != 3)
        fail("usage: vantelix-screenshots <output folder> [<look>]");
    const Photographer camera(QString::fromLocal8Bit(argv[1]));

    // The tray stays where it is.
    MainWindowUnderTest main;
    FrmControl &window = main.window;
    if (!QTest::qWaitForWindowExposed(&window))
        fail("the main window did not appear");
    ModalScript modals;
    const auto click = [&](const char *button) { child<QAbstractButton>(&window, button)->click(); };

    if (argc == 3) {
        const QString look = QLatin1Char('-') + QString::fromLocal8Bit(argv[2]);
        camera.shoot(QStringLiteral("main-window") + look, {&window});
        modals.expect([&](QWidget *about) {
            camera.shoot(QStringLiteral("about-window") + look, {about});
            about->close();
        });
        click("cmdAbout");
        return EXIT_SUCCESS;
    }

    camera.shoot(QStringLiteral("main-window"), {&window});

    press(&window, "sldWanted", Qt::Key_End);
    camera.shoot(QStringLiteral("main-window-preview-offered"), {&window});

    modals.expect([&](QWidget *preview) {
        camera.shoot(QStringLiteral("preview-window"), {&window, preview});
        preview->close();
    });
    click("cmdPreview");

    modals.expect([&](QWidget *about) {
        camera.shoot(QStringLiteral("about-window"), {&window, about});
        about->close();
    });
    click("cmdAbout");

    click("cmdReset");
    press(&window, "sldCurrent", Qt::Key_Up);
    press(&window, "sldWanted", Qt::Key_Up, 5);
    press(&window, "sldCol2", Qt::Key_Right, 2);
    modals.expect([&](QWidget *question) {
        camera.shoot(QStringLiteral("message-box"), {&window, question});
        QTest::keyClick(question, Qt::Key_Return); // Yes, reduce
    });
    modals.expect([](QWidget *tray) { QTest::keyClick(tray, Qt::Key_Return); }); // OK, inserted
    modals.expect([&](QWidget *success) {
        camera.shoot(QStringLiteral("success"), {&window, success});
        QTest::keyClick(success, Qt::Key_Return);
    });
    click("cmdGo"); // returns once the bar starts to fill
    QTest::qWait(400);
    camera.shoot(QStringLiteral("main-window-filling"), {&window});
    modals.waitUntilDone();
    return EXIT_SUCCESS;
}
