#include "expecteddisplay.h"

#include "usertexts.h"
#include "windowtesting.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>

using namespace texts;
using windowtesting::control;

namespace {

// The pictures are cut off at 330 twips for 3 inches and 160 more for each
// inch above, at 15 twips to the pixel: here in pixels, for 3 to 14 inches.
constexpr int kPictureWidths[] = {22, 33, 43, 54, 65, 75, 86, 97, 107, 118, 129, 139};

QString advice(int current, int desired)
{
    // The desired size has the last word, then a current size past belief,
    // then the change alone (-3 to +4 inches once those are out of the way).
    if (desired <= 4)
        return kTadpole;
    if (desired == 14)
        return kClickPreview;
    if (desired >= 11)
        return kDifficult;
    if (desired >= 8)
        return kSheath;
    if (current >= 9)
        return kRealSize;
    const QString byChange[] = {kWhy, kWhy, kMinor, kAdjust, kMinor, kCommon, kMajor, kHazardous};
    return byChange[desired - current + 3];
}

QString compareText(const QWidget &window, const char *label, const QString &expected)
{
    const QString shown = control<QLabel>(&window, label)->text();
    if (shown == expected)
        return {};
    return QStringLiteral("%1 shows \"%2\", expected \"%3\"\n").arg(QLatin1String(label), shown, expected);
}

QString comparePicture(const QWidget &window, const char *name, const QRect &place, int inches, const QImage &tint)
{
    const QLabel &image = *control<QLabel>(&window, name);
    QString found;
    if (image.width() != kPictureWidths[inches - 3])
        found += QStringLiteral("%1 is %2 px wide for %3 inches\n")
                     .arg(QLatin1String(name))
                     .arg(image.width())
                     .arg(inches);
    if (image.pos() != place.topLeft() || image.height() != place.height())
        found += QStringLiteral("%1 moved or changed its height\n").arg(QLatin1String(name));
    const QImage shown = image.pixmap().toImage();
    if (shown != tint.convertToFormat(shown.format()))
        found += QStringLiteral("%1 shows the wrong tint picture\n").arg(QLatin1String(name));
    return found;
}

} // namespace

ExpectedDisplay::ExpectedDisplay(const QWidget &window)
    : m_window(window)
    , m_beforePlace(control<QLabel>(&window, "Image1")->geometry())
    , m_afterPlace(control<QLabel>(&window, "Image2")->geometry())
{
    for (int number = 1; number <= 5; ++number)
        m_tints << QImage(QStringLiteral(":/assets/img10%1.gif").arg(number));
}

QString ExpectedDisplay::mismatches() const
{
    const int current = control<QSlider>(&m_window, "sldCurrent")->value();
    const int desired = control<QSlider>(&m_window, "sldWanted")->value();
    const int beforeTint = control<QSlider>(&m_window, "sldCol1")->value();
    const int afterTint = control<QSlider>(&m_window, "sldCol2")->value();

    QString found = compareText(m_window, "lblCurrent", QString::number(current) + QLatin1Char('"'))
                    + compareText(m_window, "lblDesired", QString::number(desired) + QLatin1Char('"'))
                    + compareText(m_window, "lblRec", advice(current, desired))
                    + comparePicture(m_window, "Image1", m_beforePlace, current, m_tints.at(beforeTint))
                    + comparePicture(m_window, "Image2", m_afterPlace, desired, m_tints.at(afterTint));
    // Only the largest desired size offers a preview.
    if (control<QPushButton>(&m_window, "cmdPreview")->isVisibleTo(&m_window) != (desired == 14))
        found += desired == 14 ? QStringLiteral("cmdPreview is hidden\n") : QStringLiteral("cmdPreview is shown\n");
    if (found.isEmpty())
        return found;
    return QStringLiteral("sliders %1 %2 %3 %4:\n").arg(current).arg(desired).arg(beforeTint).arg(afterTint) + found;
}
