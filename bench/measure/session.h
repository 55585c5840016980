#pragma once

#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "bench/measure/pty_line.h"
#include "bench/measure/window_watch.h"
#include "bench/measure/xdotool_pipe.h"

namespace kelvoria::bench {

// A program under measurement and where to click it.
struct Target {
    std::string name, path;
    bool splash = false;     // a splash comes first and a press on it brings the main window
    std::string main_title;  // empty: the first window is the main one
    int click_x = 0, click_y = 0;
    std::vector<std::uint8_t> bytes;  // what successive clicks send, repeating
};

struct Measured {
    std::vector<double> first_window_ms, dismiss_ms, click_ms;
    int dismiss_retries = 0;
    int bytes_at_start = 0, bytes_on_press = 0, click_timeouts = 0, wrong_bytes = 0;
    double startup_cpu_ms = -1;  // spawn to the start of the idle time
    double idle_cpu_ms = -1, idle_wall_ms = -1;
    long peak_rss_kib = -1;
};

struct Tools {
    WindowWatch& watch;
    XdotoolPipe& xdotool;
    std::string log;  // the programs' output goes here
};

// Clicks hold the button down this long; the byte leaves on release.
inline constexpr std::chrono::milliseconds kPressHold{20};

// One start of a program on a fresh line, up to its main window on screen.
class Session {
public:
    Session(const Target& target, Tools tools, Measured& into);
    ~Session();  // stops the program
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    void IdleCpu(std::chrono::seconds length);
    void Clicks(int warm_up, int counted);
    void PeakRss();

private:
    const Target& target_;
    Tools tools_;
    Measured& m_;
    PtyLine line_;
    pid_t pid_ = -1;
    unsigned long window_ = 0;
};

}  // namespace kelvoria::bench
