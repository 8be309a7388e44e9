// The windows on the Linux desktops people run: their text size (9 to 14 pt),
// GTK's light and dark palette, and Qt's scale factor (CTest runs this
// program once per factor). Every text must show whole, stand out from what
// is behind it, and keep the size it has beside a 9 pt desktop font in
// proportion.

#include "frmabout.h"
#include "frmcontrol.h"
#include "frmtoobig.h"
#include "mainwindowundertest.h"
#include "windowtesting.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTimer>
#include <QVector3D>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

namespace {

constexpr qreal kReferencePointSize = 9.0;

// The palettes Qt's gtk3 platform theme hands a program under GTK's Adwaita
// (Qt's own light palette) and Adwaita-dark.
QPalette desktopPalette(const QString &theme)
{
    if (theme == QLatin1String("light"))
        return QApplication::style()->standardPalette();
    QPalette dark;
    const QList<std::pair<QPalette::ColorRole, const char *>> colours{
        {QPalette::WindowText, "#f0f0f0"}, {QPalette::Button, "#323232"},     {QPalette::Light, "#4b4b4b"},
        {QPalette::Midlight, "#2a2a2a"},   {QPalette::Dark, "#212121"},       {QPalette::Mid, "#262626"},
        {QPalette::Text, "#f0f0f0"},       {QPalette::BrightText, "#4b4b4b"}, {QPalette::ButtonText, "#f0f0f0"},
        {QPalette::Base, "#242424"},       {QPalette::Window, "#323232"},     {QPalette::Shadow, "#191919"},
        {QPalette::Highlight, "#308cc6"},  {QPalette::HighlightedText, "#f0f0f0"},
        {QPalette::Link, "#308cc6"},       {QPalette::AlternateBase, "#2b2b2b"},
        {QPalette::PlaceholderText, "#f0f0f0"}};
    for (const auto &[role, colour] : colours)
        dark.setColor(role, QColor::fromString(QLatin1String(colour)));
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(0x82, 0x82, 0x82));
    return dark;
}

qreal relativeLuminance(QRgb rgb)
{
    const auto channel = [](int value) {
        const qreal c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

qreal contrast(QRgb a, QRgb b)
{
    const qreal la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A text as a widget lays it out, in the window's coordinates.
struct ShownText
{
    const QWidget *owner;
    QString text;
    QRect lines;    // the lines it takes
    QRect ink;      // the pixels its glyphs cover
    QRect mayUse;   // the owner's room for it
    QFont font;
};

QRect inWindow(const QWidget *widget, const QRect &rect)
{
    return QRect(widget->mapTo(widget->window(), rect.topLeft()), rect.size());
}

ShownText layOut(const QWidget *owner, const QString &text, const QRect &area, int flags, const QRect &mayUse)
{
    const QFont font = owner->font();
    const QRect lines = QFontMetrics(font).boundingRect(area, flags, text);
    // Drawn as the widget draws it, on a canvas large enough for any overflow.
    const QRect canvas = (lines | area).adjusted(-16, -16, 16, 16);
    QImage image(canvas.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font);
    painter.translate(-canvas.topLeft());
    painter.drawText(area, flags, text);
    painter.end();
    // Pixels covered at least half: a fainter edge of antialiasing may stick
    // out of a label without anything missing from the glyph.
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) >= 128)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ShownText{owner, text, inWindow(owner, lines), inWindow(owner, ink.translated(canvas.topLeft())),
                     inWindow(owner, mayUse), font};
}

std::optional<ShownText> shownText(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget); label && !label->text().isEmpty()) {
        int flags = int(label->alignment());
        if (label->wordWrap())
            flags |= Qt::TextWordWrap;
        return layOut(widget, label->text(), label->contentsRect(), flags, label->contentsRect());
    }
    if (const auto *button = qobject_cast<const QPushButton *>(widget); button && !button->text().isEmpty()) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect area = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return layOut(widget, button->text(), area, Qt::AlignCenter | Qt::TextShowMnemonic, area);
    }
    if (const auto *box = qobject_cast<const QGroupBox *>(widget); box && !box->title().isEmpty()) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        return layOut(widget, box->title(), label, Qt::AlignCenter | Qt::TextShowMnemonic, box->rect());
    }
    return std::nullopt;
}

QList<ShownText> shownTexts(const QWidget *window)
{
    QList<ShownText> texts;
    const auto widgets = window->findChildren<QWidget *>();
    for (const QWidget *widget : widgets) {
        if (widget->isVisibleTo(window))
            if (auto text = shownText(widget))
                texts << *text;
    }
    return texts;
}

// Whether `above` is painted over `below`: siblings paint in the order of
// their parent's children, and a widget paints over its ancestors.
bool paintsOver(const QWidget *above, const QWidget *below)
{
    if (below->isAncestorOf(above))
        return true;
    if (above->isAncestorOf(below))
        return false;
    const QWidget *a = above, *b = below;
    while (a->parentWidget() && !a->parentWidget()->isAncestorOf(below))
        a = a->parentWidget();
    const QWidget *common = a->parentWidget();
    while (b->parentWidget() != common)
        b = b->parentWidget();
    const QObjectList order = common->children();
    return order.indexOf(a) > order.indexOf(b);
}

// Where a widget paints, in the window's coordinates: a label only its text
// or picture, a slider its groove, thumb and ticks, anything else all of it.
QRect paintedArea(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        if (!label->pixmap().isNull())
            return inWindow(widget, QRect(label->contentsRect().topLeft(),
                                          label->pixmap().deviceIndependentSize().toSize()) & label->rect());
        if (const auto text = shownText(widget))
            return text->ink;
        return {};
    }
    if (const auto *slider = qobject_cast<const QSlider *>(widget)) {
        QRect area = windowtesting::sliderPart(slider, QStyle::SC_SliderGroove)
                     | windowtesting::sliderPart(slider, QStyle::SC_SliderHandle);
        if (slider->orientation() == Qt::Horizontal)
            area.setBottom(slider->rect().bottom()); // ticks below
        else
            area.setRight(slider->rect().right()); // ticks on the right
        return inWindow(widget, area);
    }
    return inWindow(widget, widget->rect());
}

QString describe(const QRect &r)
{
    return QStringLiteral("%1x%2+%3+%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
}

// What of a text the window does not show: clipped by its own room or any
// ancestor's, or covered by a widget painted over it.
QString cutOff(const ShownText &shown)
{
    QRect visible = shown.mayUse;
    for (const QWidget *w = shown.owner; !w->isWindow();) {
        w = w->parentWidget();
        visible &= inWindow(w, w->rect());
    }
    if (!visible.contains(shown.ink))
        return QStringLiteral("needs %1, has %2").arg(describe(shown.ink), describe(visible));
    const auto others = shown.owner->window()->findChildren<QWidget *>();
    for (const QWidget *other : others) {
        if (other == shown.owner || other->isAncestorOf(shown.owner) || !other->isVisibleTo(other->window())
            || !paintsOver(other, shown.owner))
            continue;
        if (paintedArea(other).intersects(shown.ink))
            return QStringLiteral("under %1").arg(other->objectName());
    }
    return {};
}

// The contrast of a text with its surroundings as painted: the commonest
// colour of its rectangle is the background, the one that differs most from
// it the text's own.
qreal paintedContrast(const QImage &grab, const QRect &rect)
{
    const qreal ratio = grab.devicePixelRatio();
    const QRect pixels(QPoint(qFloor(rect.left() * ratio), qFloor(rect.top() * ratio)),
                       QPoint(qCeil((rect.right() + 1) * ratio) - 1, qCeil((rect.bottom() + 1) * ratio) - 1));
    QHash<QRgb, int> counts;
    const QRect inside = pixels & grab.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[grab.pixel(x, y)];
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    }
    qreal best = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, contrast(it.key(), background));
    return best;
}

// Which of the colours a text is painted in: every pixel of antialiased text
// lies between the background and the text's colour.
QColor paintedIn(const QImage &grab, const QRect &rect, const QColor &background, const QList<QColor> &colours)
{
    const auto distanceFromBlend = [&background](QRgb pixel, const QColor &colour) {
        const QVector3D bg(background.red(), background.green(), background.blue());
        const QVector3D towards = QVector3D(colour.red(), colour.green(), colour.blue()) - bg;
        const QVector3D seen = QVector3D(qRed(pixel), qGreen(pixel), qBlue(pixel)) - bg;
        const float share = std::clamp(QVector3D::dotProduct(seen, towards) / towards.lengthSquared(), 0.0F, 1.0F);
        return (seen - share * towards).length();
    };
    const qreal ratio = grab.devicePixelRatio();
    QList<double> misfit(colours.size(), 0.0);
    for (int y = qFloor(rect.top() * ratio); y <= qCeil(rect.bottom() * ratio); ++y) {
        for (int x = qFloor(rect.left() * ratio); x <= qCeil(rect.right() * ratio); ++x) {
            for (qsizetype i = 0; i < colours.size(); ++i)
                misfit[i] += distanceFromBlend(grab.pixel(x, y), colours.at(i));
        }
    }
    return colours.at(std::min_element(misfit.cbegin(), misfit.cend()) - misfit.cbegin());
}

bool isLargeText(const QFont &font)
{
    // 18 pt, or 14 pt bold, in the sense of the contrast guidelines (96 dpi).
    const qreal pixels = QFontInfo(font).pixelSize();
    return pixels >= 24 || (font.bold() && pixels >= 18.66);
}

// The size a text is drawn at, which the font system rounds to whole pixels.
qreal textSize(const QFont &font)
{
    return QFontInfo(font).pointSizeF();
}

} // namespace

class tst_DesktopAppearance : public QObject
{
    Q_OBJECT

private slots:
    void textsWholeReadableInProportion_data();
    void textsWholeReadableInProportion();
    void aboutTextColours_data();
    void aboutTextColours();

private:
    // Shows the named window with the desktop's font and palette; `check`
    // runs while it is open.
    void withWindow(const QString &kind, const QFont &desktopFont, const QString &theme,
                    const std::function<void(QWidget *)> &check);

    // Each text's size over the desktop font's at 9 pt, by window and text.
    QHash<QString, QHash<QString, qreal>> m_referenceRatios;
    QHash<QString, QSize> m_referenceSizes;
};

void tst_DesktopAppearance::withWindow(const QString &kind, const QFont &desktopFont, const QString &theme,
                                       const std::function<void(QWidget *)> &check)
{
    const QFont originalFont = QApplication::font();
    const QPalette originalPalette = QApplication::palette();
    const auto restore = qScopeGuard([&] {
        QApplication::setFont(originalFont);
        QApplication::setPalette(originalPalette);
    });
    QApplication::setFont(desktopFont);
    QApplication::setPalette(desktopPalette(theme));

    MainWindowUnderTest window;
    FrmControl &main = window.window;
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    const auto press = [&main](const char *slider, Qt::Key key, int times) {
        auto *target = windowtesting::control<QSlider>(&main, slider);
        target->setFocus();
        for (int i = 0; i < times; ++i)
            QTest::keyClick(target, key);
    };
    if (kind == QLatin1String("main")) {
        check(&main);
    } else if (kind == QLatin1String("main, longest advice")) {
        press("sldWanted", Qt::Key_Home, 1);
        check(&main);
    } else if (kind == QLatin1String("main, Preview offered")) {
        press("sldWanted", Qt::Key_End, 1);
        check(&main);
    } else if (kind == QLatin1String("About")) {
        FrmAbout about(&main, window.shell);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        check(&about);
    } else if (kind == QLatin1String("Preview")) {
        FrmTooBig preview(&main);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        check(&preview);
    } else if (kind == QLatin1String("message box")) {
        bool checked = false;
        QTimer::singleShot(0, this, [&] {
            QTRY_VERIFY(qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
            QWidget *box = QApplication::activeModalWidget();
            check(box);
            checked = true;
            box->close();
        });
        QTest::mouseClick(windowtesting::control<QPushButton>(&main, "cmdGo"), Qt::LeftButton);
        QVERIFY(checked);
    }
}

void tst_DesktopAppearance::textsWholeReadableInProportion_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<qreal>("pointSize"); // the desktop's font
    QTest::addColumn<QString>("theme");

    for (const char *window : {"main", "main, longest advice", "main, Preview offered", "About", "Preview",
                               "message box"}) {
        for (const qreal size : {9.0, 10.0, 11.0, 12.0, 14.0}) {
            for (const char *theme : {"light", "dark"}) {
                QTest::addRow("%s, %g pt, %s", window, size, theme)
                    << QString::fromLatin1(window) << size << QString::fromLatin1(theme);
            }
        }
    }
}

void tst_DesktopAppearance::textsWholeReadableInProportion()
{
    QFETCH(QString, window);
    QFETCH(qreal, pointSize);
    QFETCH(QString, theme);
    QFont desktopFont = QApplication::font();
    desktopFont.setPointSizeF(pointSize);

    // Each text's size as a share of the desktop's, and the window's size, as
    // they are beside a 9 pt desktop font.
    if (!m_referenceRatios.contains(window)) {
        QFont referenceFont = desktopFont;
        referenceFont.setPointSizeF(kReferencePointSize);
        withWindow(window, referenceFont, theme, [&](QWidget *shown) {
            for (const ShownText &text : shownTexts(shown))
                m_referenceRatios[window][text.owner->objectName() + text.text] =
                    textSize(text.font) / kReferencePointSize;
            m_referenceSizes[window] = shown->size();
        });
    }

    withWindow(window, desktopFont, theme, [&](QWidget *shown) {
        const qreal scale = std::max(1.0, pointSize / kReferencePointSize);
        const QImage grab = shown->grab().toImage();
        const QList<ShownText> texts = shownTexts(shown);
        QVERIFY(!texts.isEmpty());
        QStringList problems;
        for (const ShownText &text : texts) {
            const QString name = text.owner->objectName() + QLatin1String(" \"") + text.text.left(20)
                                 + QLatin1String("\"");
            if (const QString cut = cutOff(text); !cut.isEmpty())
                problems << name + QLatin1String(" is cut off: ") + cut;
            const qreal needed = isLargeText(text.font) ? 3.0 : 4.5;
            if (const qreal ratio = paintedContrast(grab, text.lines); ratio < needed)
                problems << name + QStringLiteral(" has a contrast of %1:1").arg(ratio, 0, 'f', 2);
            if (window != QLatin1String("message box")) {
                const qreal atReference = m_referenceRatios[window].value(text.owner->objectName() + text.text);
                const qreal ratio = textSize(text.font) / pointSize;
                if (atReference > 0 && std::abs(ratio / atReference - 1.0) > 0.05)
                    problems << name + QStringLiteral(" is %1 of the desktop's size, %2 beside 9 pt")
                                           .arg(ratio, 0, 'f', 3)
                                           .arg(atReference, 0, 'f', 3);
            }
        }
        if (window != QLatin1String("message box")) {
            const QSize expected = m_referenceSizes[window] * scale;
            const QSize size = shown->size();
            if (std::abs(size.width() - expected.width()) > 1 || std::abs(size.height() - expected.height()) > 1)
                problems << QStringLiteral("window is %1x%2, not %3x%4 scaled by %5")
                                .arg(size.width())
                                .arg(size.height())
                                .arg(m_referenceSizes[window].width())
                                .arg(m_referenceSizes[window].height())
                                .arg(scale);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1String("\n   "))));
    });
}

void tst_DesktopAppearance::aboutTextColours_data()
{
    QTest::addColumn<QString>("theme");
    QTest::addColumn<QColor>("highlight"); // invalid: the theme's own
    QTest::addColumn<QString>("label");
    QTest::addColumn<QColor>("painted");

    const QColor navy(0, 0, 128);
    const QColor qtLink(0, 0, 255);
    const QColor darkText(0xf0, 0xf0, 0xf0);
    QTest::newRow("light, dark highlight: links in it") << "light" << navy << "Label4" << navy;
    QTest::newRow("light, dark highlight: website in it") << "light" << navy << "Label5" << navy;
    QTest::newRow("light, light highlight: link colour") << "light" << QColor() << "Label4" << qtLink;
    QTest::newRow("dark: link colour too light, text colour") << "dark" << QColor() << "Label5" << darkText;
    QTest::newRow("light: description black") << "light" << QColor() << "lblDescription" << QColor(Qt::black);
    QTest::newRow("dark: description in the text colour") << "dark" << QColor() << "lblDescription" << darkText;
}

void tst_DesktopAppearance::aboutTextColours()
{
    QFETCH(QString, theme);
    QFETCH(QColor, highlight);
    QFETCH(QString, label);
    QFETCH(QColor, painted);

    QPalette palette = desktopPalette(theme);
    if (highlight.isValid())
        palette.setColor(QPalette::Highlight, highlight);
    const QPalette original = QApplication::palette();
    QApplication::setPalette(palette);
    const auto restore = qScopeGuard([&original] { QApplication::setPalette(original); });

    MainWindowUnderTest window;
    FrmAbout about(&window.window, window.shell);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const std::optional<ShownText> text = shownText(about.findChild<QLabel *>(label));
    QVERIFY(text);
    // Told apart from everything else the palette offers.
    const QList<QColor> offered{palette.color(QPalette::Highlight), palette.color(QPalette::Link),
                                palette.color(QPalette::WindowText), QColor(Qt::black)};
    QCOMPARE(paintedIn(about.grab().toImage(), text->lines, palette.color(QPalette::Window), offered), painted);
}

QTEST_MAIN(tst_DesktopAppearance)
#include "tst_desktopappearance.moc"
