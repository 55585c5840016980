#pragma once

#include <functional>

#include "app/panel_ports.h"
#include "app/panel_state.h"
#include "control/shutters.h"
#include "routines/runner.h"

namespace kelvoria {

// The controls of the main window that have a handler.
enum class Control {
    SHUTTER1,
    SHUTTER2,
    SHUTTER3,
    SHUTTER4,
    SHUTTER5,
    SHUTTER6,
    ROUTINE1,
    ROUTINE2,
    ROUTINE3,
    ROUTINE4,  // ALL OPEN
    ROUTINE5,  // ALL CLOSE
    ExposureSel,
    ENDPROGRAM,
};

inline constexpr std::string_view kLineSettings = "9600,N,8,1";
inline constexpr std::int16_t kShutterPort = 1;
inline constexpr double kStepDelay = 7500000;

// The main window's behaviour, without the window: its state and handlers.
class Panel {
public:
    Panel(Display& display, SerialControl& port, EventPump& pump, Lifecycle& lifecycle);

    // Entry points for the window: each runs one handler and, should it fail,
    // reports the failure and ends the program. Nothing escapes them.
    void Load();
    void Click(Control control);
    void Terminate();

    // The handlers, by the names of the controls and events they serve.
    void Form_Load();
    void SHUTTER1_Click() { shutters_.Toggle(1); }
    void SHUTTER2_Click() { shutters_.Toggle(2); }
    void SHUTTER3_Click() { shutters_.Toggle(3); }
    void SHUTTER4_Click() { shutters_.Toggle(4); }
    void SHUTTER5_Click() { shutters_.Toggle(5); }
    void SHUTTER6_Click() { shutters_.Toggle(6); }
    void ROUTINE1_Click() { runner_.Click(1); }
    void ROUTINE2_Click() { runner_.Click(2); }
    void ROUTINE3_Click() { runner_.Click(3); }
    void ROUTINE4_Click() { shutters_.AllOpen(); }
    void ROUTINE5_Click() { shutters_.AllClose(); }
    void ExposureSel_Click();
    [[noreturn]] void ENDPROGRAM_Click() { CloseAndEnd(); }
    [[noreturn]] void Form_Terminate() { CloseAndEnd(); }

    const PanelState& state() const { return state_; }
    PanelState& state() { return state_; }
    const RoutineRunner& runner() const { return runner_; }

private:
    void Guarded(const std::function<void()>& handler);
    [[noreturn]] void CloseAndEnd();

    PanelState state_;
    Display& display_;
    SerialControl& port_;
    Lifecycle& lifecycle_;
    Shutters shutters_;
    RoutineRunner runner_;
};

}  // namespace kelvoria
