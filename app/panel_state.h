#pragma once

#include <array>
#include <cstdint>

namespace kelvoria {

// The panel's Booleans are 16-bit signed integers: True is -1, False is 0.
using Boolean = std::int16_t;
inline constexpr Boolean kTrue = -1;
inline constexpr Boolean kFalse = 0;

inline constexpr int kShutterCount = 6;

// The main window's variables. Every field starts at zero when the window is
// created; Form_Load gives them their working values.
struct PanelState {
    std::uint8_t CommandBase = 0;
    // True means the shutter is taken to be closed, so its next toggle opens it.
    // The controller never answers, so these flags are the only record we have.
    std::array<Boolean, kShutterCount> ShutterClosed{};
    double ExposureValue = 0.0;
    double UnitDelayCount = 0.0;
    double StepDelayCount = 0.0;
    double DelayCounter = 0.0;

    // Kept from one click of a routine button to the next.
    Boolean Routine1Running = kFalse;
    Boolean Routine2Running = kFalse;
    Boolean Routine3Running = kFalse;

    // Shutters are numbered 1 to 6.
    Boolean& Closed(int shutter) { return ShutterClosed.at(static_cast<std::size_t>(shutter - 1)); }
    Boolean Closed(int shutter) const {
        return ShutterClosed.at(static_cast<std::size_t>(shutter - 1));
    }
    void SetAllClosed(Boolean value) { ShutterClosed.fill(value); }
};

}  // namespace kelvoria
