#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>

// The vocabulary the routine tables are written in. A table row reads like
// the routine's description: the wait before it, its actions in order, and the
// shutters left open afterwards.
namespace kelvoria::routines {

// Which limit a wait counts to, read when the wait begins.
enum class Wait : std::uint8_t {
    None,
    Step,          // StepDelayCount
    HalfStep,      // StepDelayCount / 2
    Exposure,      // ExposureValue
    HalfExposure,  // ExposureValue / 2
    Unit,          // UnitDelayCount
};

struct Action {
    enum class Kind : std::uint8_t {
        Open,   // toggle a shutter expected to be closed
        Close,  // toggle a shutter expected to be open
        Yield,  // PumpEvents
        Test,   // stop path if the running flag is False
        WaitFor,
    } kind;
    std::uint8_t arg = 0;  // the shutter, or the Wait
};

constexpr Action open(int shutter) {
    return {Action::Kind::Open, static_cast<std::uint8_t>(shutter)};
}
constexpr Action close(int shutter) {
    return {Action::Kind::Close, static_cast<std::uint8_t>(shutter)};
}
inline constexpr Action yield{Action::Kind::Yield};
inline constexpr Action test{Action::Kind::Test};
constexpr Action wait(Wait limit) {
    return {Action::Kind::WaitFor, static_cast<std::uint8_t>(limit)};
}

// A set of shutters, bit n-1 for shutter n.
struct Shutters {
    std::uint8_t bits = 0;
    constexpr Shutters() = default;
    constexpr Shutters(std::initializer_list<int> shutters) {
        for (int s : shutters) {
            bits = static_cast<std::uint8_t>(bits | (1u << (s - 1)));
        }
    }
    constexpr bool operator==(const Shutters&) const = default;
};
inline constexpr Shutters none{};
inline constexpr Shutters all{1, 2, 3, 4, 5, 6};

struct Step {
    static constexpr std::size_t kMaxActions = 12;

    Wait before;
    std::array<Action, kMaxActions> actions{};
    std::uint8_t count = 0;
    Shutters open_after;

    constexpr Step(Wait wait_before, std::initializer_list<Action> acts, Shutters open)
        : before(wait_before), open_after(open) {
        for (const Action& a : acts) {
            actions[count++] = a;
        }
    }
    constexpr std::span<const Action> Actions() const { return {actions.data(), count}; }
};

}  // namespace kelvoria::routines
