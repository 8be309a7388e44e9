#pragma once

#include "applysequence.h"

#include <QString>

#include <optional>

// The four slider values, the whole state the Apply sequence reads.
struct SliderValues
{
    int current = 0;
    int desired = 0;
    int beforeTint = 0;
    int afterTint = 0;

    friend bool operator==(const SliderValues &, const SliderValues &) = default;
    QString toString() const;
};

// What the Apply sequence may do next, from what the user has seen and
// answered so far: fed with every message box, answer and media command as
// they happen, it says when one of them is out of turn. Each feed returns
// what went wrong, or an empty text.
class ApplyModel
{
public:
    enum class Box { NothingChanged, Reduce, Fatal, Insert, Success };
    static std::optional<Box> boxOf(const QString &text);
    static QString nameOf(Box box);

    QString boxShown(Box box, const SliderValues &sliders);
    QString boxAnswered(Box box, advisor::Answer answer, const SliderValues &sliders);
    QString commandSent(const QString &command, bool windowEnabled, const SliderValues &sliders);
    // Apply was clicked; called once its handler has returned.
    QString applyClicked();
    // The application ended: nothing may be left half-way.
    QString ended() const;

    bool idle() const { return m_stage == Stage::Idle; }
    // From OK at the tray box until the success box has been answered.
    bool fillRunning() const;
    int sequences() const { return m_sequences; }
    int fills() const { return m_fills; }
    QString stageName() const;

private:
    enum class Stage {
        Idle,
        NothingChanged,
        Reduce,
        AwaitFatal,
        Fatal,
        AwaitOpen,
        AwaitInsert,
        Insert,
        AwaitClose,
        Filling,
        Success,
    };

    // Where a sequence starts for these sliders: a box, or the open command.
    static Stage firstStage(const SliderValues &sliders);
    static Stage stageOf(Box box);
    QString start(Stage stage, const SliderValues &sliders, const QString &what);
    QString unchangedSliders(const SliderValues &sliders) const;

    Stage m_stage = Stage::Idle;
    SliderValues m_atApply;
    int m_sequences = 0;
    int m_clicks = 0;
    int m_fills = 0;
};
