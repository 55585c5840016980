#include "routines/busy_wait.h"

#include <cmath>

#include "app/failure.h"

namespace kelvoria {

namespace {
double Checked(double sum) {
    if (!std::isfinite(sum)) {
        throw PanelFailure(FailureCode::FloatingPointFault, "delay counter");
    }
    return sum;
}
}  // namespace

void BusyWait(PanelState& state, double limit) {
    const double last = limit;
    if (std::isnan(last)) {
        throw PanelFailure(FailureCode::FloatingPointFault, "delay limit is not a number");
    }
    // Every addition goes through memory, so the optimiser cannot fold the
    // passes away: the delay is the work itself.
    volatile double& counter = state.DelayCounter;
    counter = 1.0;
    while (!(counter > last)) {
        const double once = Checked(counter + 1.0);
        counter = once;
        counter = Checked(counter + 1.0);
    }
}

}  // namespace kelvoria
