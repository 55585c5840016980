#include "control/shutters.h"

#include <array>

#include "link/command_codes.h"

namespace kelvoria {

namespace {
// Only shutter 3's handler lets queued window events run before it acts; the
// controller's users are used to that button behaving so.
constexpr std::array<bool, kShutterCount> kYieldsFirst = {false, false, true, false, false, false};
}  // namespace

void Shutters::Toggle(int shutter) {
    if (kYieldsFirst.at(static_cast<std::size_t>(shutter - 1))) {
        pump_.PumpEvents();
    }
    // The flag is read after the yield: handlers run there may have flipped it.
    if (state_.Closed(shutter) != kFalse) {
        display_.Paint(ShutterShape(shutter), ColourOpen);
        port_.Output(OpenCode(state_.CommandBase, shutter));
        state_.Closed(shutter) = kFalse;
    } else {
        display_.Paint(ShutterShape(shutter), ColourClosed);
        port_.Output(CloseCode(state_.CommandBase, shutter));
        state_.Closed(shutter) = kTrue;
    }
}

void Shutters::AllOpen() {
    ToggleAll(kTrue, Shape::Shape11, Shape::Shape10);
}

void Shutters::AllClose() {
    ToggleAll(kFalse, Shape::Shape10, Shape::Shape11);
}

void Shutters::ToggleAll(Boolean forced, Shape goes_off, Shape goes_on) {
    // Forcing the flags first means every shutter gets its command, whatever
    // state it was taken to be in.
    state_.SetAllClosed(forced);
    display_.Paint(goes_off, IndicatorOff);
    display_.Paint(goes_on, IndicatorOn);
    for (int shutter = 1; shutter <= kShutterCount; ++shutter) {
        Toggle(shutter);
    }
}

}  // namespace kelvoria
