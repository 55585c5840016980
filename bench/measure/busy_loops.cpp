#include "bench/measure/busy_loops.h"

#include "app/panel_state.h"
#include "bench/measure/clock.h"
#include "routines/busy_wait.h"

namespace kelvoria::bench {

double PanelBusyWaitNs(double limit) {
    PanelState state;
    const auto start = Clock::now();
    BusyWait(state, limit);
    const double took = Ms(Clock::now() - start);
    return took * 1e6 / ((state.DelayCounter - 1) / 2);
}

double PlainLoopNs(double limit) {
    volatile double counter = 1.0;
    const auto start = Clock::now();
    while (!(counter > limit)) {
        counter = counter + 1.0;
        counter = counter + 1.0;
    }
    const double took = Ms(Clock::now() - start);
    return took * 1e6 / ((counter - 1) / 2);
}

}  // namespace kelvoria::bench
