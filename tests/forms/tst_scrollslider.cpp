#include "scrollslider.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

class tst_ScrollSlider : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void userMovementIsReportedWithTheNewValue_data();
    void userMovementIsReportedWithTheNewValue();
    void valueSetByProgramIsNotReported();
    void wheelIsUserMovement();
    void assistiveTechnologyValueIsUserMovement();
    void clickInTheGrooveStepsTowardTheClick();

private:
    // A size slider as the main window has it: 3 at the top, 14 at the bottom.
    ScrollSlider *m_slider = nullptr;
    QList<int> m_valuesSeen;
};

void tst_ScrollSlider::init()
{
    m_slider = new ScrollSlider;
    m_slider->setOrientation(Qt::Vertical);
    m_slider->setRange(3, 14);
    m_slider->setSingleStep(1);
    m_slider->setPageStep(1);
    m_slider->setInvertedAppearance(true);
    m_slider->setInvertedControls(true);
    m_slider->setValue(7);
    m_slider->resize(34, 137);
    m_valuesSeen.clear();
    connect(m_slider, &ScrollSlider::scrolled, this, [this] { m_valuesSeen << m_slider->value(); });
    m_slider->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_slider));
}

void tst_ScrollSlider::cleanup()
{
    delete m_slider;
}

void tst_ScrollSlider::userMovementIsReportedWithTheNewValue_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QList<int>>("valuesSeen"); // value() inside each scrolled()

    QTest::newRow("Down raises by one") << 7 << QList<int>{Qt::Key_Down} << QList<int>{8};
    QTest::newRow("Page Down raises by one") << 7 << QList<int>{Qt::Key_PageDown} << QList<int>{8};
    QTest::newRow("Up and Page Up lower by one") << 7 << QList<int>{Qt::Key_Up, Qt::Key_PageUp} << QList<int>{6, 5};
    QTest::newRow("End goes to 14, Home to 3") << 7 << QList<int>{Qt::Key_End, Qt::Key_Home} << QList<int>{14, 3};
    QTest::newRow("Up at the top moves nothing") << 3 << QList<int>{Qt::Key_Up} << QList<int>{};
    QTest::newRow("Down at the bottom moves nothing") << 14 << QList<int>{Qt::Key_Down, Qt::Key_PageDown}
                                                      << QList<int>{};
}

void tst_ScrollSlider::userMovementIsReportedWithTheNewValue()
{
    QFETCH(int, start);
    QFETCH(QList<int>, keys);
    QFETCH(QList<int>, valuesSeen);

    m_slider->setValue(start);
    for (int key : keys)
        QTest::keyClick(m_slider, Qt::Key(key));
    QCOMPARE(m_valuesSeen, valuesSeen);
}

void tst_ScrollSlider::valueSetByProgramIsNotReported()
{
    m_slider->setValue(12);
    QCOMPARE(m_slider->value(), 12);
    QVERIFY(m_valuesSeen.isEmpty());
    // ...and a program change after a user action that moved nothing does
    // not inherit that action.
    m_slider->setValue(3);
    QTest::keyClick(m_slider, Qt::Key_Up);
    m_slider->setValue(9);
    QVERIFY(m_valuesSeen.isEmpty());
}

// A screen reader or switch access sets the value through the Value
// interface (AT-SPI, UI Automation's RangeValue) as a user moves the thumb.
void tst_ScrollSlider::assistiveTechnologyValueIsUserMovement()
{
    QAccessibleInterface *slider = QAccessible::queryAccessibleInterface(m_slider);
    QVERIFY(slider && slider->valueInterface());
    QCOMPARE(slider->role(), QAccessible::Slider);
    QCOMPARE(slider->valueInterface()->currentValue().toInt(), 7);
    slider->valueInterface()->setCurrentValue(9);
    QCOMPARE(m_valuesSeen, QList<int>{9});
    QCOMPARE(slider->valueInterface()->currentValue().toInt(), 9);
}

void tst_ScrollSlider::wheelIsUserMovement()
{
    const QPointF centre = QRectF(m_slider->rect()).center();
    QWheelEvent wheel(centre, m_slider->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(m_slider, &wheel);
    QCOMPARE(m_valuesSeen.size(), 1);
    QCOMPARE(m_valuesSeen.constFirst(), m_slider->value());
    QVERIFY(m_slider->value() != 7);
}

void tst_ScrollSlider::clickInTheGrooveStepsTowardTheClick()
{
    // Below the thumb means a larger size on this slider.
    QTest::mouseClick(m_slider, Qt::LeftButton, {}, QPoint(m_slider->width() / 2, m_slider->height() - 3));
    QCOMPARE(m_valuesSeen, QList<int>{8});
    QTest::mouseClick(m_slider, Qt::LeftButton, {}, QPoint(m_slider->width() / 2, 2));
    QCOMPARE(m_valuesSeen, (QList<int>{8, 7}));
}

QTEST_MAIN(tst_ScrollSlider)
#include "tst_scrollslider.moc"
