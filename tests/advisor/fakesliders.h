#pragma once

#include "controls.h"

// The four sliders as plain values, at their reset positions.
struct FakeSliders final : advisor::Sliders
{
    int current = 7, desired = 7, before = 2, after = 2;
    int currentSize() const override { return current; }
    int desiredSize() const override { return desired; }
    int beforeTint() const override { return before; }
    int afterTint() const override { return after; }
};
