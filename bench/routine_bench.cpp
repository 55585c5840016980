// How long the panel's delays take on this machine: BusyWait's cost per pass
// for a range of limits (the time should grow in proportion), and the wall
// time of one cycle of each routine with real waits and no window.
//
//   build/bench/kelvoria-routine-bench

#include <chrono>
#include <cstdio>

#include "app/failure.h"
#include "app/panel.h"
#include "routines/busy_wait.h"

using namespace kelvoria;
using Clock = std::chrono::steady_clock;

namespace {

// A window, port and pump that do nothing but count, and stop the routine
// at the yield that ends its first cycle.
class QuietHost : public Display, public SerialControl, public EventPump, public Lifecycle {
public:
    void Paint(Shape, Colour) override {}
    void AddExposureItem(std::string_view) override {}
    std::string ExposureText() const override { return ""; }
    float OuterWidth() const override { return 801; }
    float OuterHeight() const override { return 420; }
    float ScreenWidth() const override { return 1920; }
    float ScreenHeight() const override { return 1080; }
    void MoveTo(float, float) override {}
    void SetSettings(std::string_view) override {}
    void SetCommPort(std::int16_t) override {}
    bool PortOpen() const override { return open_; }
    void SetPortOpen(bool open) override { open_ = open; }
    void Output(std::uint8_t) override { ++bytes; }
    void PumpEvents() override {
        if (++yields == stop_at && panel) {
            panel->Click(stop_button);
        }
    }
    void ReportFailure(const PanelFailure& f) override { std::fprintf(stderr, "%s\n", f.message().c_str()); }
    [[noreturn]] void EndProgram(int status) override { std::exit(status); }

    Panel* panel = nullptr;
    Control stop_button = Control::ROUTINE1;
    int stop_at = -1;
    int yields = 0;
    long bytes = 0;

private:
    bool open_ = false;
};

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

void Cycle(const char* name, Control button, int stop_at) {
    QuietHost host;
    Panel panel(host, host, host, host);
    host.panel = &panel;
    host.stop_button = button;
    host.stop_at = stop_at;
    panel.Load();
    const auto start = Clock::now();
    panel.Click(button);
    const double took = Seconds(Clock::now() - start);
    std::printf("%-34s %8.3f s  (%ld bytes, %d yields)\n", name, took, host.bytes, host.yields);
}

}  // namespace

int main() {
    std::printf("BusyWait\n%12s %12s %10s %10s\n", "limit", "passes", "ms", "ns/pass");
    for (double limit : {937500.0, 1875000.0, 3750000.0, 7500000.0, 15000000.0, 75000000.0}) {
        PanelState state;
        const auto start = Clock::now();
        BusyWait(state, limit);
        const double took = Seconds(Clock::now() - start);
        const double passes = (state.DelayCounter - 1) / 2;
        std::printf("%12.0f %12.0f %10.2f %10.3f\n", limit, passes, took * 1e3, took * 1e9 / passes);
    }
    std::printf("\nOne cycle of each routine (real waits, no window)\n");
    // Yields per cycle: routine 1 has 25 of its own and 8 at the start of its
    // toggles of shutter 3; routine 3 has 60 and 22.
    Cycle("routine 1, one cycle", Control::ROUTINE1, 33);
    Cycle("routine 2, one pass, factor 1", Control::ROUTINE2, -1);
    Cycle("routine 3, one cycle", Control::ROUTINE3, 82);
    return 0;
}
