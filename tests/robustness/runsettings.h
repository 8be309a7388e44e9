#pragma once

#include <QString>
#include <QtGlobal>

// Where a run's randomness starts and how long it lasts, from the
// environment, so that a failure seen once can be replayed exactly.
struct RunSettings
{
    static constexpr const char *kSeedVariable = "VANTELIX_ROBUSTNESS_SEED";
    static constexpr const char *kEventsVariable = "VANTELIX_ROBUSTNESS_EVENTS";
    // About 20 s on a two-core machine, also under the sanitizers.
    static constexpr int kDefaultEvents = 5000;

    quint32 seed = 0;
    bool seedDrawn = false; // no seed was given: this one was drawn at random
    int events = kDefaultEvents;
    QString error;          // a variable that holds no usable value

    static RunSettings fromEnvironment();

    // The environment that replays this run: "VANTELIX_ROBUSTNESS_SEED=... VANTELIX_ROBUSTNESS_EVENTS=...".
    QString replay() const;
};
