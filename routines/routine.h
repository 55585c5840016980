#pragma once

#include <array>
#include <span>

#include "app/panel_state.h"
#include "app/shapes.h"
#include "routines/step_table.h"

namespace kelvoria::routines {

// What distinguishes one demonstration routine from another; the runner does
// the rest the same way for all three.
struct Routine {
    int number;
    Boolean PanelState::*running;
    Shape indicator;
    std::span<const Step> steps;
    // Routine 2 makes one pass: its waits scale with the exposure, and it
    // sends its end code when the pass ends or is stopped. The others repeat.
    bool single_pass;
};

const Routine& RoutineNumber(int number);  // 1..3

}  // namespace kelvoria::routines
