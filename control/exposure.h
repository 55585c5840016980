#pragma once

#include <array>
#include <string_view>

#include "app/panel_state.h"

namespace kelvoria {

// The exposure factors offered in the list, in their order.
inline constexpr std::array<std::string_view, 5> kExposureItems = {"1", "2.5", "5", "7.5", "10"};

// Reads a list text as a decimal number with "." as the point; anything else
// raises PanelFailure (NotANumber).
double ExposureFactor(std::string_view text);

// The factor routine 2 runs with: 1 when nothing is selected.
double FactorOrDefault(std::string_view text);

// A selection in the list. The value stored is the wait limit for that
// exposure, so a choice made while routine 2 runs gives its later waits the
// exposure just chosen.
void StoreExposure(PanelState& state, std::string_view selected_text);

}  // namespace kelvoria
