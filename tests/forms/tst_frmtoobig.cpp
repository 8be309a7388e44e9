#include "assetnames.h"
#include "frmtoobig.h"
#include "windowtesting.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using windowtesting::becomesActive;
using windowtesting::samePixels;

namespace {

// What the user does to the open Preview window.
enum class Action { ClickClose, SpaceOnClose, EnterOnClose, TitleBarClose, Escape };

QPushButton *closeButton(const QDialog &window)
{
    return window.findChild<QPushButton *>(QStringLiteral("cmdClose"));
}

QLabel *picture(const QDialog &window)
{
    return window.findChild<QLabel *>(QStringLiteral("Image1"));
}

// Opens the window as the main window does (modal, exec() over its owner)
// and runs whileOpen once it is up. Whatever whileOpen leaves open is
// closed afterwards, so a failing check cannot hang the test.
void openModally(FrmTooBig &window, const std::function<void()> &whileOpen)
{
    QTimer::singleShot(0, &window, [&window, whileOpen] {
        if (becomesActive(&window))
            whileOpen();
        else
            QTest::qFail("The Preview window did not become active", __FILE__, __LINE__);
        if (window.isVisible())
            window.reject();
        // Qt's Windows event dispatcher: a nested processEvents() (whileOpen
        // waits) swallows the wake-up that closing sent to exec()'s loop,
        // which would then sleep until the next message. Send another.
        QCoreApplication::eventDispatcher()->wakeUp();
    });
    window.exec();
}

} // namespace

class tst_FrmTooBig : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void captionOnEveryOpening();
    void modalOverItsOwner();
    void closing_data();
    void closing();
    void frameAndPlace();
    void pictureAtNaturalSizeInsideItsBorder();

private:
    // Stands in for the main window.
    std::unique_ptr<QWidget> m_owner;
    QPushButton *m_ownerButton = nullptr;
};

void tst_FrmTooBig::init()
{
    m_owner = std::make_unique<QWidget>();
    m_owner->setGeometry(300, 200, 442, 362);
    m_ownerButton = new QPushButton(QStringLiteral("&Preview"), m_owner.get());
    m_ownerButton->setGeometry(8, 8, 100, 25);
    m_owner->show();
    m_owner->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_owner.get()));
}

void tst_FrmTooBig::cleanup()
{
    m_owner.reset();
}

void tst_FrmTooBig::captionOnEveryOpening()
{
    QPointer<FrmTooBig> first;
    for (int opening = 1; opening <= 2; ++opening) {
        QString captionSeen;
        QString captionAtShow;
        {
            FrmTooBig window(m_owner.get());
            // Every opening builds a new window: the first is gone by now.
            QVERIFY(!first || opening == 1);
            first = &window;
            openModally(window, [&] {
                captionSeen = window.windowTitle();
                captionAtShow = window.windowHandle()->title();
            });
        }
        QCOMPARE(captionSeen, QStringLiteral("Flaccid"));
        QCOMPARE(captionAtShow, QStringLiteral("Flaccid"));
        QVERIFY(first.isNull());
    }
}

void tst_FrmTooBig::modalOverItsOwner()
{
    FrmTooBig window(m_owner.get());
    QSignalSpy ownerClicks(m_ownerButton, &QPushButton::clicked);
    bool modal = false;
    QWidget *focus = nullptr;
    bool returnedEarly = false;
    bool returned = false;

    openModally(window, [&] {
        modal = QApplication::activeModalWidget() == &window;
        focus = QApplication::focusWidget();
        returnedEarly = returned;
        // Real input on the main window: the click and the key go nowhere.
        QTest::mouseClick(m_owner->windowHandle(), Qt::LeftButton, {}, m_ownerButton->geometry().center());
        QTest::keyClick(m_owner->windowHandle(), Qt::Key_P, Qt::AltModifier);
        QTest::qWait(200);
    });
    returned = true;

    QVERIFY(modal);
    QCOMPARE(focus, closeButton(window));
    QVERIFY(!returnedEarly);
    QCOMPARE(ownerClicks.count(), 0);
    QVERIFY(!QApplication::activeModalWidget());
}

void tst_FrmTooBig::closing_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<bool>("closes");

    QTest::newRow("click on Close") << Action::ClickClose << true;
    QTest::newRow("Space on Close") << Action::SpaceOnClose << true;
    QTest::newRow("Enter on Close") << Action::EnterOnClose << true;
    QTest::newRow("close box of the title bar") << Action::TitleBarClose << true;
    QTest::newRow("Escape: there is no cancel button") << Action::Escape << false;
}

void tst_FrmTooBig::closing()
{
    QFETCH(Action, action);
    QFETCH(bool, closes);

    FrmTooBig window(m_owner.get());
    bool openAfter = true;
    openModally(window, [&] {
        QWindow *handle = window.windowHandle();
        switch (action) {
        case Action::ClickClose:
            QTest::mouseClick(handle, Qt::LeftButton, {}, closeButton(window)->geometry().center());
            break;
        case Action::SpaceOnClose:
            QTest::keyClick(handle, Qt::Key_Space);
            break;
        case Action::EnterOnClose:
            QTest::keyClick(handle, Qt::Key_Return);
            break;
        case Action::TitleBarClose:
            handle->close(); // what the window manager does for the close box
            break;
        case Action::Escape:
            QTest::keyClick(handle, Qt::Key_Escape);
            break;
        }
        QTest::qWait(50);
        openAfter = window.isVisible();
    });
    QCOMPARE(openAfter, !closes);
}

void tst_FrmTooBig::frameAndPlace()
{
    // A program-wide icon that a window without an icon of its own shows.
    QPixmap programIcon(16, 16);
    programIcon.fill(Qt::darkCyan);
    QApplication::setWindowIcon(QIcon(programIcon));

    FrmTooBig window(m_owner.get());
    QSize clientSize;
    QSize minimumSize, maximumSize;
    QWindow *transientParent = nullptr;
    QPoint centreOffset;
    openModally(window, [&] {
        clientSize = window.size();
        minimumSize = window.minimumSize();
        maximumSize = window.maximumSize();
        transientParent = window.windowHandle()->transientParent();
        centreOffset = window.frameGeometry().center() - m_owner->frameGeometry().center();
    });

    QCOMPARE(clientSize, QSize(360, 555));
    // Not resizable, no minimise or maximise box, but a close box.
    QCOMPARE(minimumSize, clientSize);
    QCOMPARE(maximumSize, clientSize);
    QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);
    // Owned by the main window: no taskbar button of its own.
    QCOMPARE(transientParent, m_owner->windowHandle());
    // Centred over the owner; without a window manager Qt guesses the frame,
    // which puts it a few dozen pixels off.
    QVERIFY2(centreOffset.manhattanLength() <= 60,
             qPrintable(QStringLiteral("%1, %2").arg(centreOffset.x()).arg(centreOffset.y())));
    QCOMPARE(window.windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    // The Close button is an ordinary one.
    QVERIFY(!closeButton(window)->isDefault());
    QVERIFY(!closeButton(window)->autoDefault());
}

void tst_FrmTooBig::pictureAtNaturalSizeInsideItsBorder()
{
    const QImage source = QImage(assets::previewPicture()).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(source.size(), QSize(339, 500));

    FrmTooBig window(m_owner.get());
    QImage shown;
    openModally(window, [&] { shown = picture(window)->grab().toImage().convertToFormat(QImage::Format_RGB32); });

    QLabel *image1 = picture(window);
    QCOMPARE(image1->geometry(), QRect(8, 8, 343, 504));
    QCOMPARE(image1->frameWidth(), 2);
    QCOMPARE(image1->frameShadow(), QFrame::Sunken);
    QCOMPARE(image1->contentsRect(), QRect(2, 2, 339, 500));
    QVERIFY(!image1->hasScaledContents());
    QVERIFY(image1->focusPolicy() == Qt::NoFocus);

    // Pixel for pixel inside the border: neither scaled nor cropped.
    QCOMPARE(shown.size(), QSize(343, 504));
    QVERIFY(samePixels(shown.copy(2, 2, 339, 500), source));
}

QTEST_MAIN(tst_FrmTooBig)

#include "tst_frmtoobig.moc"
