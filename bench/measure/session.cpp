#include "bench/measure/session.h"

#include <stdexcept>
#include <thread>

#include "bench/measure/process.h"

namespace kelvoria::bench {

namespace {
using namespace std::chrono_literals;
constexpr auto kFirstWindowTimeout = 30s;
// Time for the splash to paint and take input, as a reader would before clicking.
constexpr auto kSplashSettle = 500ms;
constexpr auto kMainWindowTimeout = 10s;
constexpr int kDismissTries = 3;
// The splash's black background, below the logo and left of the web-site line.
constexpr int kSplashX = 20, kSplashY = 270;
// After start-up, before anything is counted: first paints, font caches.
constexpr auto kSettle = 1s;
constexpr auto kByteTimeout = 2s;
constexpr auto kGap = 50ms;

std::string MoveTo(unsigned long window, int x, int y) {
    return "mousemove --window " + std::to_string(window) + " " + std::to_string(x) + " " +
           std::to_string(y);
}
}  // namespace

Session::Session(const Target& target, Tools tools, Measured& into)
    : target_(target), tools_(tools), m_(into) {
    SpawnSpec launch;
    launch.argv = {target.path};
    launch.extra_env = {"KELVORIA_PORT1=" + line_.Device()};
    launch.output = tools.log;
    const auto spawned = Clock::now();
    pid_ = Spawn(launch);
    const auto first = tools_.watch.WaitFor(pid_, "", spawned + kFirstWindowTimeout);
    if (!first) {
        Stop(pid_);
        throw std::runtime_error(target.name + ": no window on screen (see " + tools.log + ")");
    }
    m_.first_window_ms.push_back(Ms(first->at - spawned));
    window_ = first->window;

    if (target.splash) {
        std::this_thread::sleep_for(kSplashSettle);
        std::optional<WindowWatch::Seen> main;
        for (int attempt = 0; attempt < kDismissTries && !main; ++attempt) {
            // The splash goes on the press; the release comes once the main window is up.
            const auto pressed =
                tools_.xdotool.Send(MoveTo(window_, kSplashX, kSplashY) + " mousedown 1");
            main = tools_.watch.WaitFor(pid_, target.main_title, pressed + kMainWindowTimeout);
            tools_.xdotool.Send("mouseup 1");
            if (main) {
                m_.dismiss_ms.push_back(Ms(main->at - pressed));
            } else {
                ++m_.dismiss_retries;
            }
        }
        if (!main) {
            Stop(pid_);
            throw std::runtime_error(target.name + ": the splash did not give way to '" +
                                     target.main_title + "'");
        }
        window_ = main->window;
    }
}

Session::~Session() {
    Stop(pid_);
}

void Session::IdleCpu(std::chrono::seconds length) {
    std::this_thread::sleep_for(kSettle);
    m_.bytes_at_start += line_.Drain();
    const double cpu = CpuMs(pid_);
    m_.startup_cpu_ms = cpu;
    const auto start = Clock::now();
    std::this_thread::sleep_for(length);
    m_.idle_cpu_ms = CpuMs(pid_) - cpu;
    m_.idle_wall_ms = Ms(Clock::now() - start);
}

void Session::Clicks(int warm_up, int counted) {
    const std::string there = MoveTo(window_, target_.click_x, target_.click_y);
    std::size_t next = 0;  // into target_.bytes
    for (int i = 0; i < warm_up + counted; ++i) {
        tools_.xdotool.Send(there + " mousedown 1");
        if (line_.NextByte(Clock::now() + kPressHold)) {
            ++m_.bytes_on_press;
        }
        const auto released = tools_.xdotool.Send("mouseup 1");
        const auto arrival = line_.NextByte(released + kByteTimeout);
        if (!arrival) {
            ++m_.click_timeouts;
            continue;
        }
        if (arrival->byte != target_.bytes[next]) {
            ++m_.wrong_bytes;
        }
        next = (next + 1) % target_.bytes.size();
        if (i >= warm_up) {
            m_.click_ms.push_back(Ms(arrival->at - released));
        }
        std::this_thread::sleep_for(kGap);
    }
}

void Session::PeakRss() {
    m_.peak_rss_kib = PeakRssKiB(pid_);
}

}  // namespace kelvoria::bench
