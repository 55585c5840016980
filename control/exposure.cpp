#include "control/exposure.h"

#include <charconv>
#include <cmath>
#include <string>

#include "app/failure.h"

namespace kelvoria {

double ExposureFactor(std::string_view text) {
    std::string_view trimmed = text;
    while (!trimmed.empty() && trimmed.front() == ' ') {
        trimmed.remove_prefix(1);
    }
    while (!trimmed.empty() && trimmed.back() == ' ') {
        trimmed.remove_suffix(1);
    }
    double value = 0.0;
    const char* end = trimmed.data() + trimmed.size();
    const auto [stop, error] =
        std::from_chars(trimmed.data(), end, value, std::chars_format::fixed);
    if (trimmed.empty() || error != std::errc{} || stop != end || !std::isfinite(value)) {
        throw PanelFailure(FailureCode::NotANumber, "\"" + std::string(text) + "\"");
    }
    return value;
}

double FactorOrDefault(std::string_view text) {
    return text.empty() ? 1.0 : ExposureFactor(text);
}

void StoreExposure(PanelState& state, std::string_view selected_text) {
    state.ExposureValue = state.StepDelayCount * FactorOrDefault(selected_text);
}

}  // namespace kelvoria
