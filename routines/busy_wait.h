#pragma once

#include "app/panel_state.h"

namespace kelvoria {

// The routines' only notion of time: a counted loop on DelayCounter. The
// counter starts at 1 and rises by two stored additions a pass until it passes
// the limit, so a limit L of at least 1 makes floor((L - 1) / 2) + 1 passes and
// leaves the counter at 1 + 2 x passes. It never yields, reads no clock and
// never sleeps: the window stays deaf for its whole length.
void BusyWait(PanelState& state, double limit);

}  // namespace kelvoria
