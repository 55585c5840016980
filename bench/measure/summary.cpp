#include "bench/measure/summary.h"

#include <cstdio>

namespace kelvoria::bench {

namespace {
std::string Text(const char* format, auto... values) {
    char text[512];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

std::optional<double> MedianOrNone(const std::vector<double>& v) {
    return v.empty() ? std::nullopt : Median(v);
}

double PercentOfCore(const Measured& m) {
    return m.idle_cpu_ms * 100 / m.idle_wall_ms;
}

void Warn(const char* who, const Measured& m, std::vector<std::string>& notes) {
    if (m.dismiss_retries || m.bytes_at_start || m.bytes_on_press || m.click_timeouts ||
        m.wrong_bytes) {
        notes.push_back(
            Text("WARNING %s: %d splash presses missed, %d bytes at start, %d bytes "
                 "on press, %d clicks without a byte, %d wrong bytes",
                 who, m.dismiss_retries, m.bytes_at_start, m.bytes_on_press, m.click_timeouts,
                 m.wrong_bytes));
    }
}
}  // namespace

void Summarise(const Findings& f, Report& report) {
    const Measured& p = f.panel;
    const Measured& b = f.baseline;
    report.rows = {
        {Text("start to first window, ms (median of %d)", f.runs), Median(p.first_window_ms),
         Median(b.first_window_ms)},
        {Text("splash press to main window, ms (median of %d)", f.runs), MedianOrNone(p.dismiss_ms),
         std::nullopt},
        {"CPU from start to settled main window, ms", p.startup_cpu_ms, b.startup_cpu_ms, 0},
        {Text("click to byte, ms, median of %d", f.clicks), Median(p.click_ms), Median(b.click_ms),
         2},
        {Text("click to byte, ms, 99th percentile of %d", f.clicks), Quantile(p.click_ms, 0.99),
         Quantile(b.click_ms, 0.99), 2},
        {Text("idle CPU over %d s, %% of one core", f.idle_seconds), PercentOfCore(p),
         PercentOfCore(b), 2},
        {Text("idle CPU over %d s, ms", f.idle_seconds), p.idle_cpu_ms, b.idle_cpu_ms, 0},
        {"peak resident memory (VmHWM), MiB", p.peak_rss_kib / 1024.0, b.peak_rss_kib / 1024.0},
        {Text("busy-wait loop, ns per pass (median of %d)", f.loop_repeats),
         Median(f.panel_loop_ns), Median(f.plain_loop_ns), 2},
    };
    report.notes = {
        Text("click to byte runs from writing 'mouseup 1' to the long-running xdotool until the "
             "byte is read from the pty master; the button went down %d ms before, and %d "
             "warm-up clicks are left out",
             int(kPressHold.count()), f.warm_up_clicks),
        Text("xdotool's own share: a command round trip through its pipe takes %.2f ms median, "
             "%.2f ms at the 99th percentile (not subtracted above); starting an xdotool process "
             "per click would add %.1f ms median",
             Median(f.pipe_ms).value_or(0), Quantile(f.pipe_ms, 0.99).value_or(0),
             Median(f.spawn_ms).value_or(0)),
        "a window counts as on screen when the X server maps it viewable (painting not "
        "included); the baseline has no splash, so its hand-over is n/a",
        "start-up figures come from every run, the rest from the last run of each program; the "
        "two programs take turns",
        "busy-wait: the panel's BusyWait on a PanelState (it checks each sum) against the same "
        "two stored additions a pass on a plain volatile double",
        "CPU is utime+stime from /proc/PID/stat (10 ms ticks); idle starts after 1 s of "
        "settling; peak memory is VmHWM after the clicks",
    };
    Warn("panel", p, report.notes);
    Warn("baseline", b, report.notes);
    if (f.sweep_catches) {
        report.notes.push_back(
            Text("WARNING: %d windows were seen only by the %d ms sweep, so "
                 "their times are late by up to that much",
                 f.sweep_catches, int(WindowWatch::kSweep.count())));
    }

    for (const auto& [who, m] : {std::pair{"panel", &p}, std::pair{"baseline", &b}}) {
        report.samples[who] = {{"first_window_ms", m->first_window_ms}, {"click_ms", m->click_ms}};
        if (!m->dismiss_ms.empty()) {
            report.samples[who]["splash_to_main_ms"] = m->dismiss_ms;
        }
    }
    report.samples["panel"]["busy_wait_ns"] = f.panel_loop_ns;
    report.samples["baseline"]["busy_wait_ns"] = f.plain_loop_ns;
    report.samples["xdotool"] = {{"pipe_round_trip_ms", f.pipe_ms}, {"spawn_ms", f.spawn_ms}};
}

}  // namespace kelvoria::bench
