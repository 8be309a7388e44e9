#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class Announcer;
class QAbstractSlider;
class QLabel;

// The advice as a screen reader speaks it.
//
// Every slider is described by the current advice, so that Tab onto a slider
// reads its name, its value and the advice. A changed advice is announced
// (see Announcer): a screen reader says it right after the new value of the
// slider that moved.
//
// Orca 43 keeps one last value for all controls and stays silent when the
// focused control's new value equals it (scripts/default.py, onValueChanged;
// forgotten when a window is activated): after the current size went to 8,
// the desired size going to 8 would be a move without a word. A size slider
// then announces its caption, the size with its inch mark.
class SpokenAdvice : public QObject
{
    Q_OBJECT

public:
    struct Slider
    {
        QAbstractSlider *slider;
        const QLabel *caption; // the size caption; none for a tint slider
    };

    // Watches the sliders and the window they are in.
    SpokenAdvice(QWidget *window, const QList<Slider> &sliders);

    // After each refresh of the window, with the advice it shows.
    void show(const QString &advice);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void noteMove(const QAbstractSlider *slider);
    void noteValue(const QAbstractSlider *slider);

    Announcer *m_announcer;
    QList<Slider> m_sliders;
    QString m_advice;
    std::optional<int> m_lastValueHeard;
    bool m_moveUnheard = false; // the focused slider is moving to m_lastValueHeard
};
