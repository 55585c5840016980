#pragma once

#include <vector>

#include "bench/measure/report.h"
#include "bench/measure/session.h"

namespace kelvoria::bench {

// Everything one run of the driver found, before it is put in rows.
struct Findings {
    int runs = 0, clicks = 0, warm_up_clicks = 0, idle_seconds = 0, loop_repeats = 0;
    Measured panel, baseline;
    std::vector<double> panel_loop_ns, plain_loop_ns;  // per pass
    std::vector<double> pipe_ms, spawn_ms;             // xdotool's own costs
    int sweep_catches = 0;
};

// Fills the report's rows, notes (with a warning for anything that went
// wrong on the way) and samples.
void Summarise(const Findings& f, Report& report);

}  // namespace kelvoria::bench
