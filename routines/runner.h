#pragma once

#include "app/panel_ports.h"
#include "app/panel_state.h"
#include "control/shutters.h"
#include "routines/routine.h"

namespace kelvoria {

// Starts and stops the demonstration routines. A routine runs inside the click
// that started it; every other click, a stopping click on the same button
// included, runs nested inside one of its yields.
class RoutineRunner {
public:
    // Runs started inside other runs' yields each hold a suspended handler on
    // the one stack; past this many, further starts are ignored.
    static constexpr int kMaxRuns = 16;

    RoutineRunner(PanelState& state, Display& display, SerialControl& port, EventPump& pump,
                  Shutters& shutters)
        : state_(state), display_(display), port_(port), pump_(pump), shutters_(shutters) {}

    // A click on ROUTINE1, ROUTINE2 or ROUTINE3.
    void Click(int routine);

    int ActiveRuns() const { return active_runs_; }

private:
    void RunCycles(const routines::Routine& routine);
    void RunOnce(const routines::Routine& routine);
    // Runs the steps; false when a test found the routine stopped.
    bool RunSteps(const routines::Routine& routine);
    void StopPath();
    void Wait(routines::Wait limit);
    double LimitOf(routines::Wait limit) const;

    PanelState& state_;
    Display& display_;
    SerialControl& port_;
    EventPump& pump_;
    Shutters& shutters_;
    int active_runs_ = 0;
};

}  // namespace kelvoria
