#include "frmcontrol.h"
#include "mainwindowundertest.h"
#include "usertexts.h"
#include "scrollslider.h"
#include "windowtesting.h"

#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace texts;

namespace {

// Notes what the window shows the moment it first appears.
class FirstSight : public QObject
{
public:
    QString currentCaption, desiredCaption;
    bool previewVisible = true;
    int current = 0, wanted = 0, tint1 = 0, tint2 = 0;
    bool seen = false;

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Show && object->objectName() == QLatin1String("frmControl") && !seen) {
            seen = true;
            auto *window = static_cast<QWidget *>(object);
            currentCaption = window->findChild<QLabel *>(QStringLiteral("lblCurrent"))->text();
            desiredCaption = window->findChild<QLabel *>(QStringLiteral("lblDesired"))->text();
            previewVisible = !window->findChild<QPushButton *>(QStringLiteral("cmdPreview"))->isHidden();
            current = window->findChild<QSlider *>(QStringLiteral("sldCurrent"))->value();
            wanted = window->findChild<QSlider *>(QStringLiteral("sldWanted"))->value();
            tint1 = window->findChild<QSlider *>(QStringLiteral("sldCol1"))->value();
            tint2 = window->findChild<QSlider *>(QStringLiteral("sldCol2"))->value();
        }
        return false;
    }
};


} // namespace

class tst_FrmControl : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstSight();
    void windowFrameAndPlace();
    void keysMoveSlidersAndRefresh_data();
    void keysMoveSlidersAndRefresh();
    void tintMovesOnlyItsPicture_data();
    void tintMovesOnlyItsPicture();
    void mouseMovesSliders();
    void previewButtonOnlyAtFourteen();
    void resetRestoresDefaults_data();
    void resetRestoresDefaults();
    void tabOrder_data();
    void tabOrder();
    void picturesAreCroppedNotScaled_data();
    void picturesAreCroppedNotScaled();
    void controlsHaveAccessibleNames();
    void everyRecommendationShowsWhole_data();
    void everyRecommendationShowsWhole();
    void previewAndAboutOpenModalWindows_data();
    void previewAndAboutOpenModalWindows();
    void exitEndsTheApplication();

private:
    template<typename T>
    T *child(const char *name) const
    {
        return windowtesting::control<T>(m_window, name);
    }
    QString text(const char *label) const { return child<QLabel>(label)->text(); }

    std::unique_ptr<MainWindowUnderTest> m_main;
    FrmControl *m_window = nullptr;
    std::unique_ptr<FirstSight> m_firstSight;
};

void tst_FrmControl::init()
{
    m_firstSight = std::make_unique<FirstSight>();
    qApp->installEventFilter(m_firstSight.get());
    m_main = std::make_unique<MainWindowUnderTest>();
    m_window = &m_main->window;
    qApp->removeEventFilter(m_firstSight.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void tst_FrmControl::cleanup()
{
    QVERIFY(m_main->tray.commands.isEmpty());
    m_main.reset();
}

void tst_FrmControl::firstSight()
{
    // The layout's placeholders ("X", sliders at 3 and 1, a visible Preview
    // button) are replaced before the window first shows.
    QVERIFY(m_firstSight->seen);
    QCOMPARE(m_firstSight->currentCaption, QStringLiteral("7\""));
    QCOMPARE(m_firstSight->desiredCaption, QStringLiteral("7\""));
    QVERIFY(!m_firstSight->previewVisible);
    QCOMPARE(m_firstSight->current, 7);
    QCOMPARE(m_firstSight->wanted, 7);
    QCOMPARE(m_firstSight->tint1, 2);
    QCOMPARE(m_firstSight->tint2, 2);

    QCOMPARE(m_window->windowTitle(), kTitle);
    QCOMPARE(text("lblRec"), kAdjust);
    QCOMPARE(child<QLabel>("Image1")->width(), 65); // 970 twips
    QCOMPARE(child<QLabel>("Image2")->width(), 65);
    const QImage shown = child<QLabel>("Image1")->pixmap().toImage();
    QCOMPARE(shown, QImage(QStringLiteral(":/assets/img103.gif")).convertToFormat(shown.format()));
    auto *bar = child<QProgressBar>("prgApply");
    QCOMPARE(bar->value(), 0);
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 100);
    QCOMPARE(bar->focusPolicy(), Qt::NoFocus);
    QCOMPARE(QApplication::focusWidget(), child<QSlider>("sldCurrent"));
    QCOMPARE(child<QLabel>("lblCurrent")->font().pointSizeF(), 13.5);
    QCOMPARE(child<QLabel>("lblDesired")->font().pointSizeF(), 13.5);
}

void tst_FrmControl::windowFrameAndPlace()
{
    QCOMPARE(m_window->size(), QSize(442, 362));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(m_window->isWindow() && !m_window->parentWidget()); // its own taskbar entry
    // The application icon, all three sizes.
    const QList<QSize> iconSizes = m_window->windowIcon().availableSizes();
    for (const QSize size : {QSize(16, 16), QSize(32, 32), QSize(48, 48)})
        QVERIFY2(iconSizes.contains(size), qPrintable(QStringLiteral("no %1 px icon").arg(size.width())));
    const QPoint screenCentre = m_window->screen()->availableGeometry().center();
    QVERIFY2((m_window->geometry().center() - screenCentre).manhattanLength() <= 2, "not centred on the screen");
}

void tst_FrmControl::keysMoveSlidersAndRefresh_data()
{
    QTest::addColumn<QString>("slider");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("currentCaption");
    QTest::addColumn<QString>("desiredCaption");
    QTest::addColumn<int>("beforeWidth");
    QTest::addColumn<int>("afterWidth");
    QTest::addColumn<QString>("recommendation");

    QTest::newRow("current: Down raises to 8")
        << "sldCurrent" << QList<int>{Qt::Key_Down} << "8\"" << "7\"" << 75 << 65
        << kMinor;
    QTest::newRow("current: Page Down twice raises to 9")
        << "sldCurrent" << QList<int>{Qt::Key_PageDown, Qt::Key_PageDown} << "9\"" << "7\"" << 86 << 65
        << kRealSize;
    QTest::newRow("current: Up lowers to 6") << "sldCurrent" << QList<int>{Qt::Key_Up} << "6\"" << "7\"" << 54 << 65
                                             << kMinor;
    QTest::newRow("current: Home goes to the top, 3")
        << "sldCurrent" << QList<int>{Qt::Key_Home} << "3\"" << "7\"" << 22 << 65
        << kHazardous;
    QTest::newRow("desired: Down twice to 9")
        << "sldWanted" << QList<int>{Qt::Key_Down, Qt::Key_Down} << "7\"" << "9\"" << 65 << 86
        << kSheath;
    QTest::newRow("desired: End to 14") << "sldWanted" << QList<int>{Qt::Key_End} << "7\"" << "14\"" << 65 << 139
                                        << kClickPreview;
    QTest::newRow("desired: Up twice to 5")
        << "sldWanted" << QList<int>{Qt::Key_Up, Qt::Key_Up} << "7\"" << "5\"" << 65 << 43 << kWhy;
}

void tst_FrmControl::keysMoveSlidersAndRefresh()
{
    QFETCH(QString, slider);
    QFETCH(QList<int>, keys);
    QFETCH(QString, currentCaption);
    QFETCH(QString, desiredCaption);
    QFETCH(int, beforeWidth);
    QFETCH(int, afterWidth);
    QFETCH(QString, recommendation);

    auto *target = m_window->findChild<QSlider *>(slider);
    target->setFocus();
    for (int key : keys)
        QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(text("lblCurrent"), currentCaption);
    QCOMPARE(text("lblDesired"), desiredCaption);
    QCOMPARE(child<QLabel>("Image1")->width(), beforeWidth);
    QCOMPARE(child<QLabel>("Image2")->width(), afterWidth);
    QCOMPARE(child<QLabel>("Image1")->height(), 20);
    QCOMPARE(text("lblRec"), recommendation);
}

void tst_FrmControl::tintMovesOnlyItsPicture_data()
{
    QTest::addColumn<QString>("slider");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("otherPicture");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expectedTint");

    QTest::newRow("before: Right to 3") << "sldCol1" << "Image1" << "Image2" << int(Qt::Key_Right) << 3;
    QTest::newRow("before: Home, the darker end") << "sldCol1" << "Image1" << "Image2" << int(Qt::Key_Home) << 0;
    QTest::newRow("after: End, the lighter end") << "sldCol2" << "Image2" << "Image1" << int(Qt::Key_End) << 4;
    QTest::newRow("after: Left to 1") << "sldCol2" << "Image2" << "Image1" << int(Qt::Key_Left) << 1;
}

void tst_FrmControl::tintMovesOnlyItsPicture()
{
    QFETCH(QString, slider);
    QFETCH(QString, picture);
    QFETCH(QString, otherPicture);
    QFETCH(int, key);
    QFETCH(int, expectedTint);

    auto *image = m_window->findChild<QLabel *>(picture);
    auto *other = m_window->findChild<QLabel *>(otherPicture);
    const QImage otherBefore = other->pixmap().toImage();
    const QStringList textsBefore{text("lblCurrent"), text("lblDesired"), text("lblRec")};
    const QRect geometryBefore = image->geometry();

    auto *target = m_window->findChild<QSlider *>(slider);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(target->value(), expectedTint);

    const QImage expected(QStringLiteral(":/assets/img10%1.gif").arg(expectedTint + 1));
    QCOMPARE(image->pixmap().toImage(), expected.convertToFormat(image->pixmap().toImage().format()));
    QCOMPARE(image->geometry(), geometryBefore);
    QCOMPARE(other->pixmap().toImage(), otherBefore);
    QCOMPARE((QStringList{text("lblCurrent"), text("lblDesired"), text("lblRec")}), textsBefore);
}

void tst_FrmControl::mouseMovesSliders()
{
    auto *current = child<ScrollSlider>("sldCurrent");
    // A click in the groove below the thumb raises the size by one.
    const QRect groove = windowtesting::sliderPart(current, QStyle::SC_SliderGroove);
    QTest::mouseClick(current, Qt::LeftButton, {}, QPoint(groove.center().x(), groove.bottom() - 2));
    QCOMPARE(current->value(), 8);
    QCOMPARE(text("lblCurrent"), QStringLiteral("8\""));

    // Dragging the thumb all the way down reaches 14.
    auto *wanted = child<ScrollSlider>("sldWanted");
    const QPoint thumb = windowtesting::sliderPart(wanted, QStyle::SC_SliderHandle).center();
    const QPoint below(thumb.x(), wanted->height() + 20);
    QTest::mousePress(wanted, Qt::LeftButton, {}, thumb);
    QTest::mouseMove(wanted, below);
    QTest::mouseRelease(wanted, Qt::LeftButton, {}, below);
    QCOMPARE(wanted->value(), 14);
    QCOMPARE(text("lblDesired"), QStringLiteral("14\""));
    QCOMPARE(text("lblRec"), kClickPreview);
}

void tst_FrmControl::previewButtonOnlyAtFourteen()
{
    auto *wanted = child<QSlider>("sldWanted");
    auto *preview = child<QPushButton>("cmdPreview");
    wanted->setFocus();
    QTest::keyClick(wanted, Qt::Key_End);
    QVERIFY(preview->isVisible());
    QCOMPARE(text("lblRec"), kClickPreview);
    // Drawn whole, in front of the Recommendation frame, below the text.
    auto *frame = child<QGroupBox>("Frame3");
    QVERIFY(frame->geometry().contains(preview->geometry()));
    QVERIFY(m_window->childAt(preview->geometry().center()) == preview);

    QTest::keyClick(wanted, Qt::Key_Up);
    QVERIFY(!preview->isVisible());
    QCOMPARE(text("lblRec"), kDifficult);

    // The current size never shows it.
    auto *current = child<QSlider>("sldCurrent");
    current->setFocus();
    QTest::keyClick(current, Qt::Key_End);
    QVERIFY(!preview->isVisible());
}

void tst_FrmControl::resetRestoresDefaults_data()
{
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("Reset clicked") << false;
    QTest::newRow("Escape, Reset being the cancel button") << true;
}

void tst_FrmControl::resetRestoresDefaults()
{
    QFETCH(bool, byEscape);
    for (const char *name : {"sldCurrent", "sldWanted"}) {
        auto *slider = child<QSlider>(name);
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_End);
    }
    for (const char *name : {"sldCol1", "sldCol2"}) {
        auto *slider = child<QSlider>(name);
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_Home);
    }
    QVERIFY(child<QPushButton>("cmdPreview")->isVisible());

    if (byEscape)
        QTest::keyClick(m_window, Qt::Key_Escape);
    else
        QTest::mouseClick(child<QPushButton>("cmdReset"), Qt::LeftButton);

    QCOMPARE(child<QSlider>("sldCurrent")->value(), 7);
    QCOMPARE(child<QSlider>("sldWanted")->value(), 7);
    QCOMPARE(child<QSlider>("sldCol1")->value(), 2);
    QCOMPARE(child<QSlider>("sldCol2")->value(), 2);
    QCOMPARE(text("lblCurrent"), QStringLiteral("7\""));
    QCOMPARE(text("lblDesired"), QStringLiteral("7\""));
    QCOMPARE(text("lblRec"), kAdjust);
    QVERIFY(!child<QPushButton>("cmdPreview")->isVisible());
    QCOMPARE(child<QLabel>("Image1")->width(), 65);
    QCOMPARE(child<QLabel>("Image2")->width(), 65);
    const QImage middle(QStringLiteral(":/assets/img103.gif"));
    for (const char *name : {"Image1", "Image2"}) {
        const QImage shown = child<QLabel>(name)->pixmap().toImage();
        QCOMPARE(shown, middle.convertToFormat(shown.format()));
    }
}

void tst_FrmControl::tabOrder_data()
{
    QTest::addColumn<bool>("previewVisible");
    QTest::addColumn<QStringList>("order");
    const QStringList base{"sldCurrent", "sldWanted", "sldCol1", "sldCol2", "cmdExit", "cmdAbout", "cmdReset", "cmdGo"};
    QTest::newRow("Preview hidden") << false << (base + QStringList{"sldCurrent"});
    QTest::newRow("Preview visible") << true << (base + QStringList{"cmdPreview", "sldCurrent"});
}

void tst_FrmControl::tabOrder()
{
    QFETCH(bool, previewVisible);
    QFETCH(QStringList, order);
    if (previewVisible) {
        auto *wanted = child<QSlider>("sldWanted");
        wanted->setFocus();
        QTest::keyClick(wanted, Qt::Key_End);
    }
    child<QSlider>("sldCurrent")->setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, order);
}

void tst_FrmControl::picturesAreCroppedNotScaled_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("width");
    QTest::newRow("size 3: 22 px") << int(Qt::Key_Home) << 22;
    QTest::newRow("size 14: 139 px") << int(Qt::Key_End) << 139;
}

void tst_FrmControl::picturesAreCroppedNotScaled()
{
    QFETCH(int, key);
    QFETCH(int, width);
    auto *current = child<QSlider>("sldCurrent");
    current->setFocus();
    QTest::keyClick(current, Qt::Key(key));

    auto *image = child<QLabel>("Image1");
    QCOMPARE(image->size(), QSize(width, 20));
    // What the frame shows at the picture's place is the picture's own left
    // part, pixel for pixel where it is opaque, and nothing of it beyond.
    auto *frame = child<QGroupBox>("Frame4");
    const QImage shown = frame->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage picture = QImage(QStringLiteral(":/assets/img103.gif")).convertToFormat(QImage::Format_ARGB32);
    const QPoint origin = image->pos();
    int compared = 0, cutOff = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb source = picture.pixel(x, y);
            if (qAlpha(source) != 255)
                continue;
            const QPoint at = origin + QPoint(x, y);
            if (!shown.rect().contains(at))
                continue; // the frame clips the picture's far end anyway
            const QRgb onScreen = shown.pixel(at);
            if (x < width) {
                QCOMPARE(onScreen, source);
                ++compared;
            } else if (onScreen != source) {
                ++cutOff;
            }
        }
    }
    QVERIFY(compared > 0);
    QVERIFY2(cutOff > 0, "the part beyond the control's width is drawn");
}

void tst_FrmControl::controlsHaveAccessibleNames()
{
    QStringList unnamed;
    const auto widgets = m_window->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        const bool needsName = qobject_cast<QAbstractSlider *>(widget) || qobject_cast<QPushButton *>(widget)
                               || widget->objectName().startsWith(QLatin1String("Image"));
        if (needsName && widget->accessibleName().isEmpty())
            unnamed << widget->objectName();
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", ")));
}

void tst_FrmControl::everyRecommendationShowsWhole_data()
{
    QTest::addColumn<int>("desiredPresses"); // Down from 7; negative: Up
    QTest::newRow("desired 3: the longest text") << -4;
    QTest::newRow("desired 4") << -3;
    QTest::newRow("desired 8: sheath your sword") << 1;
    QTest::newRow("desired 12: difficult to manage") << 5;
    QTest::newRow("desired 14: above the Preview button") << 7;
}

void tst_FrmControl::everyRecommendationShowsWhole()
{
    QFETCH(int, desiredPresses);
    auto *wanted = child<QSlider>("sldWanted");
    wanted->setFocus();
    for (int i = 0; i < std::abs(desiredPresses); ++i)
        QTest::keyClick(wanted, desiredPresses > 0 ? Qt::Key_Down : Qt::Key_Up);

    auto *label = child<QLabel>("lblRec");
    QRect visible = label->contentsRect();
    auto *preview = child<QPushButton>("cmdPreview");
    if (preview->isVisible()) // the button covers the label's lower part
        visible.setBottom(label->mapFrom(m_window, preview->pos()).y() - 1);
    const QRect needed = label->fontMetrics().boundingRect(visible, int(label->alignment()) | Qt::TextWordWrap,
                                                            label->text());
    QVERIFY2(visible.contains(needed), qPrintable(QStringLiteral("needs %1 px, has %2 px")
                                                      .arg(needed.height())
                                                      .arg(visible.height())));
}

void tst_FrmControl::previewAndAboutOpenModalWindows_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Preview") << "cmdPreview" << "frmTooBig" << "Flaccid";
    QTest::newRow("About") << "cmdAbout" << "frmAbout" << "About Vantelix";
}

void tst_FrmControl::previewAndAboutOpenModalWindows()
{
    QFETCH(QString, button);
    QFETCH(QString, window);
    QFETCH(QString, caption);

    auto *wanted = child<QSlider>("sldWanted");
    wanted->setFocus();
    QTest::keyClick(wanted, Qt::Key_End); // offers Preview; Reset would undo it

    QList<QPointer<QWidget>> opened;
    for (int opening = 0; opening < 2; ++opening) {
        bool checked = false;
        QTimer::singleShot(0, this, [&] {
            QTRY_VERIFY(QApplication::activeModalWidget());
            QWidget *child = QApplication::activeModalWidget();
            opened << child;
            QCOMPARE(child->objectName(), window);
            QCOMPARE(child->windowTitle(), caption);
            QCOMPARE(child->parentWidget(), m_window);
            QVERIFY(child->isModal());
            const QPoint ownerCentre = m_window->geometry().center();
            QVERIFY((child->geometry().center() - ownerCentre).manhattanLength() <= 60);
            // The main window takes no input meanwhile: Escape would reset it.
            QTest::keyClick(m_window->windowHandle(), Qt::Key_Escape);
            QCOMPARE(wanted->value(), 14);
            checked = true;
            child->close();
        });
        QTest::mouseClick(m_window->findChild<QPushButton *>(button), Qt::LeftButton);
        QVERIFY(checked);
        // Gone once closed; the next press makes a new one.
        QTRY_VERIFY(opened.constLast().isNull());
    }
    QCOMPARE(opened.size(), 2);
    QVERIFY(m_window->isEnabled());
}

void tst_FrmControl::exitEndsTheApplication()
{
    // Exit leaves the event loop at once, with a success status.
    QTimer::singleShot(0, this, [this] { QTest::mouseClick(child<QPushButton>("cmdExit"), Qt::LeftButton); });
    QTimer::singleShot(5000, this, [] { QCoreApplication::exit(99); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

QTEST_MAIN(tst_FrmControl)
#include "tst_frmcontrol.moc"
