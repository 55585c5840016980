#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/failure.h"
#include "app/panel.h"
#include "app/panel_ports.h"

namespace kelvoria::testing {

// Thrown by the scripted EndProgram so that, as in the real program, nothing
// of the panel resumes once it has ended. Not a std::exception on purpose: the
// panel's boundary must let it pass.
struct ProgramEnded {
    int status;
};

// A window, port and event pump played from a script. Clicks queued with
// Queue() are handled at the next PumpEvents, nested, like a real window's.
class ScriptedHost : public Display, public SerialControl, public EventPump, public Lifecycle {
public:
    ScriptedHost();

    Panel& panel() { return panel_; }
    PanelState& state() { return panel_.state(); }

    // Runs Form_Load, as showing the window does.
    void Load();
    // A click from the window system. Returns the exit status if the program ended.
    std::optional<int> Click(Control control);

    // Queues a click to be handled at the next yield.
    void Queue(Control control, int times = 1);
    // Calls hook when the nth byte (counted from 1) has been written.
    void AfterByte(std::size_t nth, std::function<void()> hook);
    // Calls hook when the nth PumpEvents (counted from 1) begins.
    void AtYield(int nth, std::function<void()> hook);
    // Makes the nth write fail the way an unplugged adapter does.
    void FailWrite(std::size_t nth);

    void Select(int item) { selected_ = item; }

    // Display
    void Paint(Shape shape, Colour fill) override;
    void AddExposureItem(std::string_view text) override;
    std::string ExposureText() const override;
    float OuterWidth() const override { return outer_width; }
    float OuterHeight() const override { return outer_height; }
    float ScreenWidth() const override { return screen_width; }
    float ScreenHeight() const override { return screen_height; }
    void MoveTo(float left, float top) override;
    // SerialControl
    void SetSettings(std::string_view settings) override;
    void SetCommPort(std::int16_t port) override;
    bool PortOpen() const override { return open_; }
    void SetPortOpen(bool open) override;
    void Output(std::uint8_t byte) override;
    // EventPump
    void PumpEvents() override;
    // Lifecycle
    void ReportFailure(const PanelFailure& failure) override;
    [[noreturn]] void EndProgram(int status) override;

    float outer_width = 801, outer_height = 420, screen_width = 1920, screen_height = 1080;
    std::optional<float> left, top;

    std::vector<std::uint8_t> bytes;
    // Every observable call in order: "paint Shape4 0000ffff", "byte 0x90", "yield", ...
    std::vector<std::string> log;
    std::map<Shape, Colour> fill;
    std::vector<std::string> items;
    std::vector<std::string> failures;
    std::string settings;
    std::int16_t comm_port = 0;
    int yields = 0;
    int deepest_pump = 0;
    std::function<void()> open_failure;  // thrown from SetPortOpen(true) when set

private:
    Panel panel_;
    bool open_ = false;
    int selected_ = -1;
    int pump_depth_ = 0;
    std::deque<Control> queued_;
    std::multimap<std::size_t, std::function<void()>> after_byte_;
    std::multimap<int, std::function<void()>> at_yield_;
    std::optional<std::size_t> fail_write_;
};

std::string Hex(std::uint8_t byte);
// "1,2,3" style listing of which shutter circles show a colour.
std::vector<int> ShuttersShowing(const ScriptedHost& host, Colour colour);

}  // namespace kelvoria::testing
