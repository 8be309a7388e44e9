#include "displaycheck.h"

#include "imagelist.h"
#include "sizemodel.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace {

template<typename T>
T *control(QWidget &window, const char *name)
{
    auto *found = window.findChild<T *>(QLatin1String(name));
    Q_ASSERT_X(found, "DisplayCheck", name);
    return found;
}

QString differs(const char *what, const QString &shown, const QString &expected)
{
    return QStringLiteral("%1 shows \"%2\", expected \"%3\"\n").arg(QLatin1String(what), shown, expected);
}

} // namespace

DisplayCheck::DisplayCheck(QWidget &frmControl)
    : m_current(control<QSlider>(frmControl, "sldCurrent"))
    , m_wanted(control<QSlider>(frmControl, "sldWanted"))
    , m_beforeTint(control<QSlider>(frmControl, "sldCol1"))
    , m_afterTint(control<QSlider>(frmControl, "sldCol2"))
    , m_lblCurrent(control<QLabel>(frmControl, "lblCurrent"))
    , m_lblDesired(control<QLabel>(frmControl, "lblDesired"))
    , m_lblRec(control<QLabel>(frmControl, "lblRec"))
    , m_image1(control<QLabel>(frmControl, "Image1"))
    , m_image2(control<QLabel>(frmControl, "Image2"))
    , m_cmdPreview(control<QPushButton>(frmControl, "cmdPreview"))
    , m_window(&frmControl)
    , m_imlPenis(control<ImageList>(frmControl, "imlPenis"))
    , m_image1Place(m_image1->geometry())
    , m_image2Place(m_image2->geometry())
{
}

QString DisplayCheck::mismatches() const
{
    const int current = m_current->value();
    const int desired = m_wanted->value();
    const advisor::Display expected =
        advisor::displayFor({current, desired, m_beforeTint->value(), m_afterTint->value()});
    QString found;

    if (m_lblCurrent->text() != expected.currentCaption)
        found += differs("lblCurrent", m_lblCurrent->text(), expected.currentCaption);
    if (m_lblDesired->text() != expected.desiredCaption)
        found += differs("lblDesired", m_lblDesired->text(), expected.desiredCaption);
    if (m_lblRec->text() != expected.recommendation)
        found += differs("lblRec", m_lblRec->text(), expected.recommendation);
    found += pictureMismatch(*m_image1, m_image1Place, expected.beforeWidthTwips, expected.beforePicture);
    found += pictureMismatch(*m_image2, m_image2Place, expected.afterWidthTwips, expected.afterPicture);

    // Hidden with its window is still shown as far as the refresh is concerned.
    const bool previewShown = m_cmdPreview->isVisibleTo(m_window);
    if (previewShown != expected.previewVisible)
        found += QStringLiteral("cmdPreview is %1 for desired size %2\n")
                     .arg(previewShown ? QStringLiteral("shown") : QStringLiteral("hidden"))
                     .arg(desired);
    return found;
}

QString DisplayCheck::pictureMismatch(const QLabel &image, const QRect &firstPlace, int twips, int number) const
{
    QString found;
    const QString name = image.objectName();
    const int width = advisor::twipsToPixels(twips);
    if (image.width() != width)
        found += QStringLiteral("%1 is %2 px wide, expected %3\n").arg(name).arg(image.width()).arg(width);
    if (image.pos() != firstPlace.topLeft() || image.height() != firstPlace.height())
        found += QStringLiteral("%1 moved or changed height: (%2,%3) %4 px high, first (%5,%6) %7 px high\n")
                     .arg(name)
                     .arg(image.x())
                     .arg(image.y())
                     .arg(image.height())
                     .arg(firstPlace.x())
                     .arg(firstPlace.y())
                     .arg(firstPlace.height());

    if (image.pixmap().toImage() != m_imlPenis->picture(number).toImage())
        found += QStringLiteral("%1 does not show tint picture %2 of imlPenis\n").arg(name).arg(number);
    return found;
}
