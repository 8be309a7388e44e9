#include "imagelist.h"
#include "runtimeerror.h"

#include <QTest>

class tst_ImageList : public QObject
{
    Q_OBJECT

private slots:
    void picturesByNumber_data();
    void picturesByNumber();
    void numbersOutsideTheListAreErrors_data();
    void numbersOutsideTheListAreErrors();
    void aPictureThatDoesNotDecodeIsAnError();

private:
    const QStringList m_tints{QStringLiteral(":/assets/img101.gif"), QStringLiteral(":/assets/img102.gif"),
                              QStringLiteral(":/assets/img103.gif")};
};

void tst_ImageList::picturesByNumber_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("first") << 1;
    QTest::newRow("last") << 3;
}

void tst_ImageList::picturesByNumber()
{
    QFETCH(int, number);
    const ImageList list(m_tints);
    const QPixmap &picture = list.picture(number);
    QCOMPARE(picture.toImage(), QImage(m_tints.at(number - 1)).convertToFormat(picture.toImage().format()));
    // Decoded once: asking again hands out the same picture.
    QCOMPARE(list.picture(number).cacheKey(), picture.cacheKey());
}

void tst_ImageList::numbersOutsideTheListAreErrors_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("0: the list counts from 1") << 0;
    QTest::newRow("one past the end") << 4;
    QTest::newRow("negative") << -1;
}

void tst_ImageList::numbersOutsideTheListAreErrors()
{
    QFETCH(int, number);
    const ImageList list(m_tints);
    try {
        list.picture(number);
        QFAIL("no error raised");
    } catch (const core::RuntimeError &error) {
        QCOMPARE(error.number(), core::RuntimeError::IndexOutOfBounds);
    }
}

void tst_ImageList::aPictureThatDoesNotDecodeIsAnError()
{
    const ImageList list({QStringLiteral(":/assets/no-such-picture.gif")});
    try {
        list.picture(1);
        QFAIL("no error raised");
    } catch (const core::RuntimeError &error) {
        QCOMPARE(error.number(), core::RuntimeError::InvalidPicture);
    }
}

QTEST_MAIN(tst_ImageList)
#include "tst_imagelist.moc"
