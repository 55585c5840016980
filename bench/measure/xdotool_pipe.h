#pragma once

#include <sys/types.h>

#include <string>

#include "bench/measure/clock.h"

namespace kelvoria::bench {

// One xdotool for the whole run, reading commands from its standard input
// (`xdotool -` runs each line as it arrives), so a click costs a write to a
// pipe rather than a process start.
class XdotoolPipe {
public:
    XdotoolPipe();
    ~XdotoolPipe();
    XdotoolPipe(const XdotoolPipe&) = delete;
    XdotoolPipe& operator=(const XdotoolPipe&) = delete;

    // Hands one line of commands over; returns the moment it was written.
    Clock::time_point Send(const std::string& commands);
    // A command that answers (getmouselocation): from the write to its line
    // of output, the pipe's own share of every click's figure.
    Clock::duration RoundTrip();

private:
    pid_t pid_ = -1;
    int to_ = -1, from_ = -1;
};

}  // namespace kelvoria::bench
