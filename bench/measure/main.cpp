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
#include "bench/measure/summary.h"
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
                       {"press_hold_ms", double(kPressHold.count())},
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

    Findings f;
    f.runs = o.runs;
    f.clicks = o.clicks;
    f.warm_up_clicks = kWarmUpClicks;
    f.idle_seconds = o.idle_seconds;
    f.loop_repeats = kLoopRepeats;
    f.pipe_ms = pipe_ms;
    f.spawn_ms = spawn_ms;

    const Target targets[] = {PanelTarget(o), BaselineTarget(o)};
    Measured* into[] = {&f.panel, &f.baseline};
    // Taking turns spreads the other load on the machine over both alike.
    for (int run = 0; run < o.runs; ++run) {
        for (int t = 0; t < 2; ++t) {
            std::fprintf(stderr, "run %d/%d: %s\n", run + 1, o.runs, targets[t].name.c_str());
            Session session(targets[t], tools, *into[t]);
            if (run + 1 == o.runs) {
                session.IdleCpu(std::chrono::seconds(o.idle_seconds));
                session.Clicks(kWarmUpClicks, o.clicks);
                session.PeakRss();
            }
        }
    }
    for (int i = 0; i < kLoopRepeats; ++i) {
        f.panel_loop_ns.push_back(PanelBusyWaitNs(kLoopLimit));
        f.plain_loop_ns.push_back(PlainLoopNs(kLoopLimit));
    }
    f.sweep_catches = watch.SweepCatches();
    report.load_after = LoadAverage();

    Summarise(f, report);
    PrintTable(report, stdout);
    WriteJson(report, o.json);
    std::printf("\nwritten to %s\n", o.json.c_str());
    return 0;
} catch (const std::exception& e) {
    std::fprintf(stderr, "kelvoria-measure: %s\n", e.what());
    return 1;
}
