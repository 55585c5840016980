#pragma once

#include <algorithm>
#include <chrono>
#include <cmath>
#include <optional>
#include <vector>

namespace kelvoria::bench {

using Clock = std::chrono::steady_clock;

inline double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// Nearest rank: the smallest sample with at least q of all samples at or below it.
inline std::optional<double> Quantile(std::vector<double> samples, double q) {
    if (samples.empty()) {
        return std::nullopt;
    }
    std::sort(samples.begin(), samples.end());
    const auto rank = static_cast<std::size_t>(std::ceil(q * double(samples.size())));
    return samples[std::clamp<std::size_t>(rank, 1, samples.size()) - 1];
}

inline std::optional<double> Median(const std::vector<double>& samples) {
    return Quantile(samples, 0.5);
}

}  // namespace kelvoria::bench
