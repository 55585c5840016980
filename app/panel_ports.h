#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/shapes.h"

// The narrow interfaces through which the panel reaches the outside world.
// The desktop build implements them with Qt; the tests with a scripted host.
namespace kelvoria {

class PanelFailure;

// What the panel asks of the main window.
class Display {
public:
    virtual ~Display() = default;
    virtual void Paint(Shape shape, Colour fill) = 0;
    virtual void AddExposureItem(std::string_view text) = 0;
    // The selected item's text, or "" when nothing is selected.
    virtual std::string ExposureText() const = 0;

    // The window's outer size (frame included), the screen's size and the
    // window's place, all in the same unit.
    virtual float OuterWidth() const = 0;
    virtual float OuterHeight() const = 0;
    virtual float ScreenWidth() const = 0;
    virtual float ScreenHeight() const = 0;
    virtual void MoveTo(float left, float top) = 0;
};

// Serial port 1, as the panel drives it. Every member may raise PanelFailure.
class SerialControl {
public:
    virtual ~SerialControl() = default;
    virtual void SetSettings(std::string_view settings) = 0;
    virtual void SetCommPort(std::int16_t port) = 0;
    virtual bool PortOpen() const = 0;
    virtual void SetPortOpen(bool open) = 0;
    // Puts one byte on the line at once; never waits for it to be sent.
    virtual void Output(std::uint8_t byte) = 0;
};

// Lets every window event already queued run to completion, then returns.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void PumpEvents() = 0;
};

// How the program reports a failure and ends.
class Lifecycle {
public:
    virtual ~Lifecycle() = default;
    virtual void ReportFailure(const PanelFailure& failure) = 0;
    // Ends the program from wherever it is called: nothing of the panel runs afterwards.
    [[noreturn]] virtual void EndProgram(int status) = 0;
};

}  // namespace kelvoria
