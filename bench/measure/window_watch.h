#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

#include "bench/measure/clock.h"

namespace kelvoria::bench {

// Watches the X server for a program's windows coming on screen. "On screen"
// means viewable: mapped, with its window manager frame mapped too; whether
// the program has painted into it yet is not something the server can say.
class WindowWatch {
public:
    WindowWatch();  // on $DISPLAY
    ~WindowWatch();
    WindowWatch(const WindowWatch&) = delete;
    WindowWatch& operator=(const WindowWatch&) = delete;

    struct Seen {
        unsigned long window;
        Clock::time_point at;
    };
    // The first viewable window of process pid, titled title unless title is
    // empty. The time is when the map that made it viewable reached us.
    std::optional<Seen> WaitFor(pid_t pid, const std::string& title, Clock::time_point deadline);

    // How often a window was caught by the slow fallback sweep rather than by
    // its map event (each such time is late by up to kSweep).
    int SweepCatches() const { return sweep_catches_; }
    static constexpr std::chrono::milliseconds kSweep{100};

private:
    bool Matches(unsigned long window, pid_t pid, const std::string& title);
    std::optional<unsigned long> Search(unsigned long top, pid_t pid, const std::string& title,
                                        int depth);
    std::string Property(unsigned long window, unsigned long atom);

    struct Handles;
    Handles* x_;
    int sweep_catches_ = 0;
};

}  // namespace kelvoria::bench
