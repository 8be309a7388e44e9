#include "spokenadvice.h"

#include "announcer.h"

#include <QAbstractSlider>
#include <QEvent>
#include <QLabel>

SpokenAdvice::SpokenAdvice(QWidget *window, const QList<Slider> &sliders)
    : QObject(window)
    , m_announcer(new Announcer(window))
    , m_sliders(sliders)
{
    window->installEventFilter(this);
    for (const Slider &entry : sliders) {
        QAbstractSlider *slider = entry.slider;
        // A user's move triggers an action before the value changes.
        connect(slider, &QAbstractSlider::actionTriggered, this, [this, slider] { noteMove(slider); });
        connect(slider, &QAbstractSlider::valueChanged, this, [this, slider] { noteValue(slider); });
    }
}

void SpokenAdvice::show(const QString &advice)
{
    QStringList news;
    for (const Slider &entry : std::as_const(m_sliders)) {
        if (m_moveUnheard && entry.caption && entry.slider->hasFocus())
            news << entry.caption->text();
        if (entry.slider->accessibleDescription() != advice)
            entry.slider->setAccessibleDescription(advice);
    }
    if (advice != m_advice)
        news << advice;
    m_advice = advice;
    m_moveUnheard = false;
    if (!news.isEmpty())
        m_announcer->announce(news.join(QStringLiteral(". ")));
}

bool SpokenAdvice::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        m_lastValueHeard.reset();
    return QObject::eventFilter(watched, event);
}

void SpokenAdvice::noteMove(const QAbstractSlider *slider)
{
    if (slider->hasFocus()) {
        const int position = slider->sliderPosition();
        m_moveUnheard = position != slider->value() && m_lastValueHeard == position;
    }
}

void SpokenAdvice::noteValue(const QAbstractSlider *slider)
{
    // Only the focused control's value is spoken.
    if (slider->hasFocus())
        m_lastValueHeard = slider->value();
}
