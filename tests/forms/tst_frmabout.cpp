#include "abouthoverlabel.h"
#include "appidentity.h"
#include "assetnames.h"
#include "frmabout.h"
#include "recordingshell.h"
#include "usertexts.h"
#include "windowtesting.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using windowtesting::becomesActive;
using windowtesting::samePixels;

namespace {

using texts::kEmail;
using texts::kMailLink;
using texts::kWebsite;

// Notes what lblVersion and lblTitle show at the moment the window's caption
// becomes the final one; the accessibility updates that would tell the
// order of all three are not sent without a platform accessibility bridge.
class CaptionWatcher : public QObject
{
public:
    QString versionAtCaption, titleAtCaption;
    bool seen = false;

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::WindowTitleChange && object->objectName() == QLatin1String("frmAbout")
            && static_cast<QWidget *>(object)->windowTitle() == QLatin1String("About Vantelix")) {
            seen = true;
            versionAtCaption = object->findChild<QLabel *>(QStringLiteral("lblVersion"))->text();
            titleAtCaption = object->findChild<QLabel *>(QStringLiteral("lblTitle"))->text();
        }
        return false;
    }
};

AboutHoverLabel *link(const QWidget &window, const char *name)
{
    return window.findChild<AboutHoverLabel *>(QLatin1String(name));
}

QWidget *control(const QWidget &window, const QString &name)
{
    return window.findChild<QWidget *>(name);
}

// Where the pointer goes for a surface named in a test table: a control's
// name for its centre, "<name> blank" for the empty right-hand end of a
// label's rectangle, or one of the points of the bare client area.
QPoint pointOf(const QWidget &window, const QString &surface)
{
    if (surface == QLatin1String("bare area right of the version"))
        return {350, 56};
    if (surface == QLatin1String("bare area left margin"))
        return {4, 200};
    if (surface == QLatin1String("Line1_1"))
        return {100, 163};
    if (surface == QLatin1String("Line1_0"))
        return {100, 165};
    if (surface.endsWith(QLatin1String(" blank"))) {
        const auto *label = qobject_cast<QLabel *>(control(window, surface.chopped(6)));
        const QRect area = label->geometry();
        return {area.right() - 2, area.center().y()};
    }
    return control(window, surface)->geometry().center();
}

} // namespace

class tst_FrmAbout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadSetsCaptionVersionAndTitleInOrder();
    void layout_data();
    void layout();
    void colours();
    void everyTextShowsWhole_data();
    void everyTextShowsWhole();
    void pictureInItsSunkenBorder();
    void modalWithFocusOnOk();
    void tabMovesBetweenOkAndPicture();
    void closing_data();
    void closing();
    void hover_data();
    void hover();
    void dragFromASurfaceWithoutRuleChangesNothing_data();
    void dragFromASurfaceWithoutRuleChangesNothing();
    void hoverSetsTheNewLinkFirst_data();
    void hoverSetsTheNewLinkFirst();
    void newOpeningStartsWithoutUnderlines();
    void clickOpensTheTarget_data();
    void clickOpensTheTarget();

private:
    // Shows a fresh About window over the owner, without a nested loop.
    void showWindow();
    void moveTo(const QString &surface);

    std::unique_ptr<QWidget> m_owner;
    std::unique_ptr<FrmAbout> m_window;
    // What the user's browser and mail program were asked to open.
    RecordingShell m_shell;
};

void tst_FrmAbout::init()
{
    m_owner = std::make_unique<QWidget>();
    m_owner->setGeometry(300, 200, 442, 362);
    m_owner->show();
    m_owner->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_owner.get()));
    // Each test starts with the pointer away from where any window opens:
    // a move to where the pointer already is would not count as a move.
    QTest::mouseMove(m_owner->windowHandle(), QPoint(1, 1));
    m_shell.requests.clear();
}

void tst_FrmAbout::cleanup()
{
    m_window.reset();
    m_owner.reset();
}

void tst_FrmAbout::showWindow()
{
    m_window = std::make_unique<FrmAbout>(m_owner.get(), m_shell);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(becomesActive(m_window.get()));
}

void tst_FrmAbout::moveTo(const QString &surface)
{
    if (surface == QLatin1String("main window"))
        QTest::mouseMove(m_owner->windowHandle(), QPoint(20, 20));
    else
        QTest::mouseMove(m_window->windowHandle(), pointOf(*m_window, surface));
}

void tst_FrmAbout::loadSetsCaptionVersionAndTitleInOrder()
{
    CaptionWatcher watcher;
    qApp->installEventFilter(&watcher);
    m_window = std::make_unique<FrmAbout>(m_owner.get(), m_shell);
    qApp->removeEventFilter(&watcher);

    QCOMPARE(m_window->windowTitle(), QStringLiteral("About Vantelix"));
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("lblVersion"))->text(), QStringLiteral("Version 1.1.2"));
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("lblTitle"))->text(), QStringLiteral("Vantelix"));
    // The caption comes first: the labels still showed the layout's texts.
    QVERIFY(watcher.seen);
    QCOMPARE(watcher.versionAtCaption, QStringLiteral("Version"));
    QVERIFY(watcher.titleAtCaption != identity::title());
}

void tst_FrmAbout::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry"); // twips / 15
    QTest::addColumn<QString>("text");   // a null string: not checked

    QTest::newRow("picIcon") << "picIcon" << QRect(8, 8, 52, 52) << QString();
    QTest::newRow("lblTitle") << "lblTitle" << QRect(72, 8, 305, 33) << QString();
    QTest::newRow("lblVersion") << "lblVersion" << QRect(136, 48, 179, 15) << QString();
    QTest::newRow("Label1") << "Label1" << QRect(136, 64, 185, 17) << QStringLiteral("Everything: Dana Whitfield");
    QTest::newRow("Label2") << "Label2" << QRect(44, 80, 145, 17) << QStringLiteral("Comments and Suggestions:");
    QTest::newRow("Label4") << "Label4" << QRect(192, 80, 169, 17) << kEmail;
    QTest::newRow("label3") << "label3" << QRect(131, 96, 57, 17) << QStringLiteral("Website:");
    QTest::newRow("Label5") << "Label5" << QRect(192, 96, 185, 17) << kWebsite;
    QTest::newRow("lblDescription")
        << "lblDescription" << QRect(8, 120, 363, 43)
        << QStringLiteral("This program uses a complex set of algorithms and some hella nifty DLLs to dynamically "
                          "increase and decrease the size of the user's penis using only their computer. Oh! But it "
                          "doesn't really.");
    QTest::newRow("Line1 index 1") << "Line1_1" << QRect(6, 163, 371, 1) << QString();
    QTest::newRow("Line1 index 0") << "Line1_0" << QRect(7, 164, 370, 2) << QString();
    QTest::newRow("lblDisclaimer") << "lblDisclaimer" << QRect(16, 168, 258, 79) << QStringLiteral("");
    QTest::newRow("cmdOK") << "cmdOK" << QRect(283, 216, 84, 23) << QStringLiteral("OK");
}

void tst_FrmAbout::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);

    m_window = std::make_unique<FrmAbout>(m_owner.get(), m_shell);
    QWidget *widget = control(*m_window, name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    if (text.isNull())
        return;
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        QCOMPARE(label->text(), text);
        // Every label wraps inside its rectangle and starts at its top.
        QVERIFY(label->wordWrap());
        QVERIFY(label->alignment() & Qt::AlignTop);
    } else {
        QCOMPARE(qobject_cast<QPushButton *>(widget)->text(), text);
    }
}

void tst_FrmAbout::colours()
{
    // An unusual desktop palette: the links must follow its highlight colour,
    // dark enough to read, and the description and disclaimer stay black.
    const QPalette original = QApplication::palette();
    QPalette desktop = original;
    desktop.setColor(QPalette::Highlight, QColor(12, 100, 50));
    desktop.setColor(QPalette::WindowText, QColor(90, 0, 90));
    QApplication::setPalette(desktop);
    const auto restore = qScopeGuard([&original] { QApplication::setPalette(original); });
    showWindow();

    for (const char *name : {"Label4", "Label5"}) {
        const QLabel *label = link(*m_window, name);
        QCOMPARE(label->palette().color(label->foregroundRole()), QColor(12, 100, 50));
    }
    for (const char *name : {"lblDescription", "lblDisclaimer"}) {
        const auto *label = m_window->findChild<QLabel *>(QLatin1String(name));
        QCOMPARE(label->palette().color(label->foregroundRole()), QColor(Qt::black));
    }
    const auto *credit = m_window->findChild<QLabel *>(QStringLiteral("Label1"));
    QCOMPARE(credit->palette().color(credit->foregroundRole()), QColor(90, 0, 90));

    const auto *title = m_window->findChild<QLabel *>(QStringLiteral("lblTitle"));
    QCOMPARE(title->font().pointSize(), 24);
    QVERIFY(title->font().bold());

}

void tst_FrmAbout::everyTextShowsWhole_data()
{
    QTest::addColumn<qreal>("desktopPointSize"); // the desktop's default font

    QTest::newRow("8 point") << 8.0;
    QTest::newRow("9 point") << 9.0;
    QTest::newRow("10 point") << 10.0;
    QTest::newRow("12 point") << 12.0;
}

void tst_FrmAbout::everyTextShowsWhole()
{
    QFETCH(qreal, desktopPointSize);

    const QFont original = QApplication::font();
    QFont desktop = original;
    desktop.setPointSizeF(desktopPointSize);
    QApplication::setFont(desktop);
    const auto restore = qScopeGuard([&original] { QApplication::setFont(original); });
    showWindow();

    const auto *description = m_window->findChild<QLabel *>(QStringLiteral("lblDescription"));
    const qreal textSize = description->font().pointSizeF();
    QVERIFY(textSize <= desktopPointSize);
    for (const char *name : {"lblVersion", "Label1", "Label2", "Label4", "label3", "Label5", "lblDescription"}) {
        const auto *label = m_window->findChild<QLabel *>(QLatin1String(name));
        // One size for all of them, and no line or word cut off.
        QCOMPARE(label->font().pointSizeF(), textSize);
        const QRect area = label->contentsRect();
        const QRect needed = label->fontMetrics().boundingRect(area, int(label->alignment()) | Qt::TextWordWrap,
                                                                label->text());
        QVERIFY2(area.contains(needed), name);
    }
    // The title keeps the layout's 24 points beside a 9 point desktop font,
    // and grows with a larger one.
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("lblTitle"))->font().pointSizeF(),
             24.0 * std::max(1.0, desktopPointSize / 9.0));
}

void tst_FrmAbout::pictureInItsSunkenBorder()
{
    const QImage source = QImage(assets::aboutPicture()).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(source.size(), QSize(48, 48));

    showWindow();
    auto *picture = m_window->findChild<QLabel *>(QStringLiteral("picIcon"));
    QCOMPARE(picture->frameWidth(), 2);
    QCOMPARE(picture->frameShadow(), QFrame::Sunken);
    QCOMPARE(picture->contentsRect(), QRect(2, 2, 48, 48));
    const QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(samePixels(shown.copy(2, 2, 48, 48), source));
}

void tst_FrmAbout::modalWithFocusOnOk()
{
    FrmAbout window(m_owner.get(), m_shell);
    bool modal = false;
    QWidget *focus = nullptr;
    QSize clientSize;
    QWindow *transientParent = nullptr;
    QTimer::singleShot(0, &window, [&] {
        if (becomesActive(&window)) {
            modal = QApplication::activeModalWidget() == &window;
            focus = QApplication::focusWidget();
            clientSize = window.size();
            transientParent = window.windowHandle()->transientParent();
        }
        window.reject();
    });
    window.exec();

    QVERIFY(modal);
    QCOMPARE(focus, control(window, QStringLiteral("cmdOK")));
    QCOMPARE(clientSize, QSize(382, 254));
    QCOMPARE(window.minimumSize(), clientSize);
    QCOMPARE(window.maximumSize(), clientSize);
    QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(transientParent, m_owner->windowHandle());
    // The About icon: one 32 x 32 image of its own.
    QCOMPARE(window.windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
}

void tst_FrmAbout::tabMovesBetweenOkAndPicture()
{
    showWindow();
    QWidget *ok = control(*m_window, QStringLiteral("cmdOK"));
    QWidget *picture = control(*m_window, QStringLiteral("picIcon"));
    QCOMPARE(QApplication::focusWidget(), ok);
    QTest::keyClick(m_window->windowHandle(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), picture);
    QTest::keyClick(m_window->windowHandle(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ok);
    QTest::keyClick(m_window->windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), picture);
}

void tst_FrmAbout::closing_data()
{
    QTest::addColumn<QString>("focus"); // the control that has the focus
    QTest::addColumn<int>("key");       // 0: the title bar's close box

    for (const QString &focus : {QStringLiteral("cmdOK"), QStringLiteral("picIcon")}) {
        QTest::addRow("Enter on %s", qPrintable(focus)) << focus << int(Qt::Key_Return);
        QTest::addRow("keypad Enter on %s", qPrintable(focus)) << focus << int(Qt::Key_Enter);
        QTest::addRow("Escape on %s", qPrintable(focus)) << focus << int(Qt::Key_Escape);
        QTest::addRow("close box, %s focused", qPrintable(focus)) << focus << 0;
    }
    QTest::newRow("Space on cmdOK") << QStringLiteral("cmdOK") << int(Qt::Key_Space);
}

void tst_FrmAbout::closing()
{
    QFETCH(QString, focus);
    QFETCH(int, key);

    showWindow();
    control(*m_window, focus)->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), control(*m_window, focus));
    if (key == 0)
        m_window->windowHandle()->close();
    else
        QTest::keyClick(m_window->windowHandle(), Qt::Key(key));
    QTRY_VERIFY(!m_window->isVisible());
    QVERIFY(m_shell.requests.isEmpty());
}

void tst_FrmAbout::hover_data()
{
    QTest::addColumn<QStringList>("path"); // surfaces the pointer moves over, one move each
    QTest::addColumn<bool>("label4");      // underline of the e-mail link afterwards
    QTest::addColumn<bool>("label5");      // underline of the website link afterwards

    const auto path = [](std::initializer_list<const char *> surfaces) {
        QStringList names;
        for (const char *surface : surfaces)
            names << QLatin1String(surface);
        return names;
    };

    QTest::newRow("nothing yet") << QStringList() << false << false;
    QTest::newRow("e-mail link") << path({"Label4"}) << true << false;
    QTest::newRow("website link") << path({"Label5"}) << false << true;
    QTest::newRow("blank end of the e-mail link") << path({"Label4 blank"}) << true << false;
    QTest::newRow("blank end of the website link") << path({"Label5 blank"}) << false << true;
    QTest::newRow("e-mail straight onto website") << path({"Label4", "Label5"}) << false << true;
    QTest::newRow("website straight onto e-mail") << path({"Label5", "Label4"}) << true << false;
    QTest::newRow("moves along one link") << path({"Label5", "Label5 blank", "Label5"}) << false << true;

    // Surfaces without a hover rule leave the underline as it was.
    for (const char *quiet : {"lblDescription", "lblVersion", "lblTitle", "picIcon", "cmdOK", "lblDisclaimer"}) {
        QTest::addRow("e-mail link, then %s", quiet) << path({"Label4", quiet}) << true << false;
        QTest::addRow("website link, then %s", quiet) << path({"Label5", quiet}) << false << true;
    }
    QTest::newRow("website link, then out onto the main window") << path({"Label5", "main window"}) << false
                                                                 << true;

    // Surfaces that clear both underlines.
    for (const char *clearing : {"Label1", "Label2", "label3", "bare area right of the version",
                                 "bare area left margin", "Line1_1", "Line1_0"}) {
        QTest::addRow("e-mail link, then %s", clearing) << path({"Label4", clearing}) << false << false;
        QTest::addRow("website link, then %s", clearing) << path({"Label5", clearing}) << false << false;
    }
    QTest::newRow("cleared only by the next move over a clearing surface")
        << path({"Label4", "lblDescription", "picIcon", "label3"}) << false << false;
    QTest::newRow("after clearing, a link underlines again") << path({"Label4", "Label1", "Label5"}) << false << true;
}

void tst_FrmAbout::hover()
{
    QFETCH(QStringList, path);
    QFETCH(bool, label4);
    QFETCH(bool, label5);

    showWindow();
    const auto colourOf = [this](const char *name) {
        const QLabel *label = link(*m_window, name);
        return label->palette().color(label->foregroundRole());
    };
    const QColor label4Colour = colourOf("Label4");
    const QColor label5Colour = colourOf("Label5");
    for (const QString &surface : path)
        moveTo(surface);

    QCOMPARE(link(*m_window, "Label4")->font().underline(), label4);
    QCOMPARE(link(*m_window, "Label5")->font().underline(), label5);
    // Only the underline changes, not the links' colour.
    QCOMPARE(colourOf("Label4"), label4Colour);
    QCOMPARE(colourOf("Label5"), label5Colour);
    QVERIFY(m_window->isVisible());
}

void tst_FrmAbout::dragFromASurfaceWithoutRuleChangesNothing_data()
{
    QTest::addColumn<QString>("pressed"); // where the left button goes down
    QTest::addColumn<QString>("target");  // where the pointer is dragged to

    QTest::newRow("description to bare area") << "lblDescription" << "bare area left margin";
    QTest::newRow("picture to Label1") << "picIcon" << "Label1";
    QTest::newRow("title to the separator") << "lblTitle" << "Line1_1";
}

void tst_FrmAbout::dragFromASurfaceWithoutRuleChangesNothing()
{
    QFETCH(QString, pressed);
    QFETCH(QString, target);

    showWindow();
    moveTo(QStringLiteral("Label5"));
    moveTo(pressed);
    QWindow *handle = m_window->windowHandle();
    QTest::mousePress(handle, Qt::LeftButton, {}, pointOf(*m_window, pressed));
    QTest::mouseMove(handle, pointOf(*m_window, target)); // the button is still down
    QTest::mouseRelease(handle, Qt::LeftButton, {}, pointOf(*m_window, target));

    // The moves belong to the pressed surface, which has no hover rule.
    QVERIFY(link(*m_window, "Label5")->font().underline());
    QVERIFY(m_shell.requests.isEmpty());
}

void tst_FrmAbout::hoverSetsTheNewLinkFirst_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QStringList>("changes"); // the links whose font changed, in order

    QTest::newRow("e-mail to website") << "Label4" << "Label5" << QStringList{"Label5", "Label4"};
    QTest::newRow("website to e-mail") << "Label5" << "Label4" << QStringList{"Label4", "Label5"};
}

void tst_FrmAbout::hoverSetsTheNewLinkFirst()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QStringList, changes);

    class FontChanges : public QObject
    {
    public:
        QStringList seen;

    protected:
        bool eventFilter(QObject *object, QEvent *event) override
        {
            if (event->type() == QEvent::FontChange)
                seen << object->objectName();
            return false;
        }
    } fontChanges;

    showWindow();
    moveTo(from);
    link(*m_window, "Label4")->installEventFilter(&fontChanges);
    link(*m_window, "Label5")->installEventFilter(&fontChanges);
    moveTo(to);
    QCOMPARE(fontChanges.seen, changes);
}

void tst_FrmAbout::newOpeningStartsWithoutUnderlines()
{
    showWindow();
    moveTo(QStringLiteral("Label4"));
    QVERIFY(link(*m_window, "Label4")->font().underline());
    QTest::keyClick(m_window->windowHandle(), Qt::Key_Escape);
    QTRY_VERIFY(!m_window->isVisible());

    showWindow();
    QVERIFY(!link(*m_window, "Label4")->font().underline());
    QVERIFY(!link(*m_window, "Label5")->font().underline());
}

void tst_FrmAbout::clickOpensTheTarget_data()
{
    QTest::addColumn<QString>("surface");
    QTest::addColumn<QStringList>("gestures"); // "click" or "double-click", one after the other
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<bool>("label4"); // underlines after the clicks
    QTest::addColumn<bool>("label5");

    const QString website(kWebsite);
    const QString mail(kMailLink);
    const QStringList click{QStringLiteral("click")};
    const QStringList doubleClick{QStringLiteral("double-click")};
    QTest::newRow("website link") << "Label5" << click << QStringList{website} << false << true;
    QTest::newRow("blank end of the website link") << "Label5 blank" << click << QStringList{website} << false << true;
    QTest::newRow("e-mail link") << "Label4" << click << QStringList{mail} << true << false;
    QTest::newRow("blank end of the e-mail link") << "Label4 blank" << click << QStringList{mail} << true << false;
    QTest::newRow("each click asks again") << "Label4" << click + click << QStringList{mail, mail} << true << false;
    QTest::newRow("a double-click asks once") << "Label5" << doubleClick << QStringList{website} << false << true;
    QTest::newRow("a click after a double-click asks again")
        << "Label4" << doubleClick + click << QStringList{mail, mail} << true << false;
    QTest::newRow("Website: caption is no link") << "label3" << click << QStringList{} << false << false;
    QTest::newRow("credit line is no link") << "Label1" << click << QStringList{} << false << false;
    QTest::newRow("the picture is no link") << "picIcon" << click << QStringList{} << false << false;
}

void tst_FrmAbout::clickOpensTheTarget()
{
    QFETCH(QString, surface);
    QFETCH(QStringList, gestures);
    QFETCH(QStringList, opened);
    QFETCH(bool, label4);
    QFETCH(bool, label5);

    showWindow();
    const QPoint point = pointOf(*m_window, surface);
    moveTo(surface);
    for (const QString &gesture : std::as_const(gestures)) {
        // A double-click is two presses close together, of which the window
        // system reports the second as a double-click.
        if (gesture == QLatin1String("double-click"))
            QTest::mouseDClick(m_window->windowHandle(), Qt::LeftButton, {}, point);
        else
            QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, point);
    }

    QCOMPARE(m_shell.targets(), opened);
    // On behalf of the About window, started in the program's folder.
    for (const RecordingShell::Request &request : std::as_const(m_shell.requests)) {
        QCOMPARE(request.ownerWindow, quintptr(m_window->winId()));
        QCOMPARE(request.workingFolder, QCoreApplication::applicationDirPath());
    }
    QVERIFY(m_window->isVisible());
    QCOMPARE(link(*m_window, "Label4")->font().underline(), label4);
    QCOMPARE(link(*m_window, "Label5")->font().underline(), label5);
}

QTEST_MAIN(tst_FrmAbout)

#include "tst_frmabout.moc"
