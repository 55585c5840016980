#pragma once

#include "app/panel_ports.h"
#include "app/panel_state.h"

namespace kelvoria {

// Moving shutters. Toggle is the only thing that moves one: ALL OPEN, ALL CLOSE
// and the routines all go through it, so flag, circle and byte always agree.
class Shutters {
public:
    Shutters(PanelState& state, Display& display, SerialControl& port, EventPump& pump)
        : state_(state), display_(display), port_(port), pump_(pump) {}

    // A click on shutter button n (1..6): paint, send, then flip the flag.
    void Toggle(int shutter);
    // ALL OPEN and ALL CLOSE: force the flags, light their own circle, toggle all six.
    void AllOpen();
    void AllClose();

private:
    void ToggleAll(Boolean forced, Shape goes_off, Shape goes_on);

    PanelState& state_;
    Display& display_;
    SerialControl& port_;
    EventPump& pump_;
};

}  // namespace kelvoria
