#pragma once

namespace kelvoria::bench {

// Nanoseconds per pass of the panel's own BusyWait, on a real PanelState.
double PanelBusyWaitNs(double limit);
// The same two stored additions a pass, written plainly on a volatile double,
// without the panel's checks for overflow.
double PlainLoopNs(double limit);

}  // namespace kelvoria::bench
