#pragma once

#include "applysequence.h"

#include <QString>

#include <functional>
#include <optional>

// One thing the user does to one window, with what must follow from it
// where that is certain.
struct UserAction
{
    enum class Outcome {
        Unknown,
        WindowCloses,    // the window acted on closes (or ends the program, for the main window)
        WindowStays,     // the window acted on stays open
        ApplicationEnds, // Exit, or the main window's close box
        SlidersReset,    // Reset: sizes 7 and 7, tints in the middle
        PreviewOpens,
        AboutOpens,
        NothingHappens, // input for a window blocked by a modal one
    };

    QString kind; // "key", "click", "drag"...: for the run's summary
    QString description;
    std::function<void()> perform;
    Outcome outcome = Outcome::Unknown;
    // An access key that clicks its button does so 100 ms later: the
    // outcome shows at the next event, which waits for it.
    bool delayed = false;
    // A message box: the answer this gives it, when it certainly answers.
    std::optional<advisor::Answer> answer;
    // The About window: the target this opens, "" for none.
    std::optional<QString> link;
};
