#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "bench/measure/clock.h"

namespace kelvoria::bench {

// A pseudo-terminal standing in for port 1. The driver holds the controller's
// side (the master, raw) and keeps the program's side open too, so the line
// stays up while the program under test opens and closes it.
class PtyLine {
public:
    PtyLine();
    ~PtyLine();
    PtyLine(const PtyLine&) = delete;
    PtyLine& operator=(const PtyLine&) = delete;

    const std::string& Device() const { return device_; }

    struct Arrival {
        std::uint8_t byte;
        Clock::time_point at;
    };
    // The next byte on the line, stamped when poll reports it; none by the deadline.
    std::optional<Arrival> NextByte(Clock::time_point deadline);
    // Throws away whatever is waiting; returns how many bytes that was.
    int Drain();

private:
    int master_ = -1;
    int keep_ = -1;
    std::string device_;
};

}  // namespace kelvoria::bench
