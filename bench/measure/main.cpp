// Measures the panel against a bare Qt program on this machine, in one run:
// start-up, the splash handing over, click to byte on the line, idle CPU,
// peak memory and the busy-wait loop. Needs an X display with a window
// manager (scripts/bench.sh provides both).
//
//   kelvoria-measure [--panel PATH] [--baseline PATH] [--json PATH] [--runs N]
//                    [--clicks N] [--idle-seconds N] [--log PATH]

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <thread>

#include "bench/baseline/baseline_layout.h"
#include "bench/measure/busy_loops.h"
#include "bench/measure/process.h"
#include "bench/measure/report.h"
#include "bench/measure/session.h"
#include "link/command_codes.h"
#include "ui/form1_layout.h"

using namespace kelvoria;
using namespace kelvoria::bench;

namespace {

struct Options {
    std::string panel = "build/app/kelvoria-shutter-display";
    std::string baseline = "build/bench/baseline/kelvoria-baseline";
    std::string json = "build/bench/results.json";
    std::string log = "build/bench/measure.log";
    int runs = 5;
    int clicks = 200;
    int idle_seconds = 10;
};

constexpr int kWarmUpClicks = 5;
constexpr int kXdotoolSamples = 50;
constexpr int kSpawnSamples = 20;
constexpr int kLoopRepeats = 7;
constexpr double kLoopLimit = 15'000'000;  // 7.5 million passes

[[noreturn]] void Usage() {
    std::fprintf(stderr,
                 "usage: kelvoria-measure [--panel PATH] [--baseline PATH] [--json PATH] "
                 "[--runs N] [--clicks N] [--idle-seconds N] [--log PATH]\n");
    std::exit(2);
}

Options Parse(int argc, char* argv[]) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) {
            Usage();
        }
        const std::string value = argv[++i];
        if (arg == "--panel") {
            o.panel = value;
        } else if (arg == "--baseline") {
            o.baseline = value;
        } else if (arg == "--json") {
            o.json = value;
        } else if (arg == "--log") {
            o.log = value;
        } else if (arg == "--runs" || arg == "--clicks" || arg == "--idle-seconds") {
            const int n = std::atoi(value.c_str());
            if (n < 1) {
                Usage();
            }
            (arg == "--runs" ? o.runs : arg == "--clicks" ? o.clicks : o.idle_seconds) = n;
        } else {
            Usage();
        }
    }
    return o;
}

// SHUTTER1's centre in the main window's client area.
Target PanelTarget(const Options& o) {
    const auto& b = *std::find_if(layout::kButtons.begin(), layout::kButtons.end(),
                                  [](const auto& p) { return p.control == Control::SHUTTER1; });
    Target t;
    t.name = "panel";
    t.path = o.panel;
    t.splash = true;
    t.main_title = layout::kCaption;
    t.click_x = layout::Px(b.left) + layout::Px(b.width) / 2;
    t.click_y = layout::Px(b.top) + layout::Px(b.height) / 2;
    t.bytes = {OpenCode(kStandardCommandBase, 1), CloseCode(kStandardCommandBase, 1)};
    return t;
}

Target BaselineTarget(const Options& o) {
    Target t;
    t.name = "baseline";
    t.path = o.baseline;
    t.click_x = baseline::kClickX;
    t.click_y = baseline::kClickY;
    t.bytes = {std::uint8_t(baseline::kByte)};
    return t;
}

std::vector<double> Samples(int n, const auto& measure) {
    std::vector<double> out;
    for (int i = 0; i < n; ++i) {
        out.push_back(measure());
    }
    return out;
}

std::string Text(const char* format, auto... values) {
    char text[512];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

}  // namespace

int main(int argc, char* argv[]) try {
    const Options o = Parse(argc, argv);
    Report report;
    report.machine = DescribeMachine();
    report.qt_version = KELVORIA_QT_VERSION;
    report.load_before = LoadAverage();
    report.settings = {{"runs", o.runs},
                       {"clicks", o.clicks},
                       {"warm_up_clicks", kWarmUpClicks},
                       {"idle_seconds", o.idle_seconds},
                       {"busy_wait_limit", kLoopLimit}};

    WindowWatch watch;
    XdotoolPipe xdotool;
    const Tools tools{watch, xdotool, o.log};

    const auto pipe_ms = Samples(kXdotoolSamples, [&] { return Ms(xdotool.RoundTrip()); });
    const auto spawn_ms = Samples(kSpawnSamples, [] {
        const auto start = Clock::now();
        SpawnSpec noop;
        noop.argv = {"xdotool", "getmouselocation"};
        Run(noop);
        return Ms(Clock::now() - start);
    });

    const Target targets[] = {PanelTarget(o), BaselineTarget(o)};
    Measured measured[2];
    // Taking turns spreads the other load on the machine over both alike.
    for (int run = 0; run < o.runs; ++run) {
        for (int t = 0; t < 2; ++t) {
            std::fprintf(stderr, "run %d/%d: %s\n", run + 1, o.runs, targets[t].name.c_str());
            Session session(targets[t], tools, measured[t]);
            if (run + 1 == o.runs) {
                session.IdleCpu(std::chrono::seconds(o.idle_seconds));
                session.Clicks(kWarmUpClicks, o.clicks);
                session.PeakRss();
            }
        }
    }
    std::vector<double> panel_loop, plain_loop;
    for (int i = 0; i < kLoopRepeats; ++i) {
        panel_loop.push_back(PanelBusyWaitNs(kLoopLimit));
        plain_loop.push_back(PlainLoopNs(kLoopLimit));
    }
    report.load_after = LoadAverage();

    const Measured& p = measured[0];
    const Measured& b = measured[1];
    const auto percent = [](const Measured& m) { return m.idle_cpu_ms * 100 / m.idle_wall_ms; };
    const auto or_none = [](const std::vector<double>& v) {
        return v.empty() ? std::optional<double>() : Median(v);
    };
    report.rows = {
        {Text("start to first window, ms (median of %d)", o.runs), Median(p.first_window_ms),
         Median(b.first_window_ms)},
        {Text("splash press to main window, ms (median of %d)", o.runs), or_none(p.dismiss_ms),
         std::nullopt},
        {Text("click to byte, ms, median of %d", o.clicks), Median(p.click_ms), Median(b.click_ms),
         2},
        {Text("click to byte, ms, 99th percentile of %d", o.clicks), Quantile(p.click_ms, 0.99),
         Quantile(b.click_ms, 0.99), 2},
        {Text("idle CPU over %d s, %% of one core", o.idle_seconds), percent(p), percent(b), 2},
        {Text("idle CPU over %d s, ms", o.idle_seconds), p.idle_cpu_ms, b.idle_cpu_ms, 0},
        {"peak resident memory (VmHWM), MiB", p.peak_rss_kib / 1024.0, b.peak_rss_kib / 1024.0},
        {Text("busy-wait loop, ns per pass (median of %d)", kLoopRepeats), Median(panel_loop),
         Median(plain_loop), 2},
    };
    report.notes = {
        Text("click to byte runs from writing 'mouseup 1' to the long-running xdotool until the "
             "byte is read from the pty master; the button is pressed %d ms before, and %d "
             "warm-up clicks are left out",
             int(kPressHold.count()), kWarmUpClicks),
        Text("xdotool's own share: a command round trip through its pipe takes %.2f ms median, "
             "%.2f ms at the 99th percentile (not subtracted above); starting an xdotool process "
             "instead would cost %.1f ms median",
             *Median(pipe_ms), *Quantile(pipe_ms, 0.99), *Median(spawn_ms)),
        "windows count as on screen when the X server maps them viewable (painting not "
        "included); the baseline has no splash, so its hand-over is n/a",
        "busy-wait: the panel's BusyWait on a PanelState (checks each sum for overflow) against "
        "the same two stored additions a pass on a plain volatile double",
        "idle CPU is utime+stime from /proc/PID/stat (10 ms ticks) after 1 s of settling; peak "
        "memory is VmHWM after the clicks",
    };
    const int sweeps = watch.SweepCatches();
    for (const Measured* m : {&p, &b}) {
        const std::string who = m == &p ? "panel" : "baseline";
        if (m->dismiss_retries || m->bytes_at_start || m->bytes_on_press || m->click_timeouts ||
            m->wrong_bytes) {
            report.notes.push_back(
                Text("WARNING %s: %d splash presses missed, %d bytes at start, %d bytes on press, "
                     "%d clicks without a byte, %d wrong bytes",
                     who.c_str(), m->dismiss_retries, m->bytes_at_start, m->bytes_on_press,
                     m->click_timeouts, m->wrong_bytes));
        }
        report.samples[who] = {{"first_window_ms", m->first_window_ms}, {"click_ms", m->click_ms}};
        if (!m->dismiss_ms.empty()) {
            report.samples[who]["splash_to_main_ms"] = m->dismiss_ms;
        }
    }
    if (sweeps) {
        report.notes.push_back(
            Text("WARNING: %d windows were seen only by the %d ms sweep, so "
                 "their times are late by up to that much",
                 sweeps, int(WindowWatch::kSweep.count())));
    }
    report.samples["panel"]["busy_wait_ns"] = panel_loop;
    report.samples["baseline"]["busy_wait_ns"] = plain_loop;
    report.samples["xdotool"] = {{"pipe_round_trip_ms", pipe_ms}, {"spawn_ms", spawn_ms}};

    PrintTable(report, stdout);
    WriteJson(report, o.json);
    std::printf("\nwritten to %s\n", o.json.c_str());
    return 0;
} catch (const std::exception& e) {
    std::fprintf(stderr, "kelvoria-measure: %s\n", e.what());
    return 1;
}
