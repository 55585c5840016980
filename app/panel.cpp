#include "app/panel.h"

#include <cstdlib>
#include <exception>

#include "app/failure.h"
#include "control/exposure.h"
#include "link/command_codes.h"

namespace kelvoria {

Panel::Panel(Display& display, SerialControl& port, EventPump& pump, Lifecycle& lifecycle)
    : display_(display),
      port_(port),
      lifecycle_(lifecycle),
      shutters_(state_, display, port, pump),
      runner_(state_, display, port, pump, shutters_) {}

void Panel::Form_Load() {
    for (std::string_view item : kExposureItems) {
        display_.AddExposureItem(item);
    }

    // Centred in single precision and left unclamped: a window larger than
    // the screen gets a negative edge.
    const float left = (display_.ScreenWidth() - display_.OuterWidth()) / 2.0f;
    const float top = (display_.ScreenHeight() - display_.OuterHeight()) / 2.0f;
    display_.MoveTo(left, top);

    state_.ExposureValue = -1.0;
    state_.SetAllClosed(kTrue);
    state_.CommandBase = kStandardCommandBase;
    state_.UnitDelayCount = kStepDelay / 4;
    state_.StepDelayCount = kStepDelay;

    port_.SetSettings(kLineSettings);
    port_.SetCommPort(kShutterPort);
    port_.SetPortOpen(true);
}

void Panel::ExposureSel_Click() {
    StoreExposure(state_, display_.ExposureText());
}

void Panel::CloseAndEnd() {
    if (port_.PortOpen()) {
        port_.SetPortOpen(false);
    }
    lifecycle_.EndProgram(0);
    std::abort();  // EndProgram never returns; should it, nothing more may run
}

void Panel::Load() {
    Guarded([this] { Form_Load(); });
}

void Panel::Terminate() {
    Guarded([this] { Form_Terminate(); });
}

void Panel::Click(Control control) {
    Guarded([this, control] {
        switch (control) {
            case Control::SHUTTER1:
                return SHUTTER1_Click();
            case Control::SHUTTER2:
                return SHUTTER2_Click();
            case Control::SHUTTER3:
                return SHUTTER3_Click();
            case Control::SHUTTER4:
                return SHUTTER4_Click();
            case Control::SHUTTER5:
                return SHUTTER5_Click();
            case Control::SHUTTER6:
                return SHUTTER6_Click();
            case Control::ROUTINE1:
                return ROUTINE1_Click();
            case Control::ROUTINE2:
                return ROUTINE2_Click();
            case Control::ROUTINE3:
                return ROUTINE3_Click();
            case Control::ROUTINE4:
                return ROUTINE4_Click();
            case Control::ROUTINE5:
                return ROUTINE5_Click();
            case Control::ExposureSel:
                return ExposureSel_Click();
            case Control::ENDPROGRAM:
                ENDPROGRAM_Click();
        }
    });
}

void Panel::Guarded(const std::function<void()>& handler) {
    try {
        handler();
        return;
    } catch (const PanelFailure& failure) {
        lifecycle_.ReportFailure(failure);
    } catch (const std::exception& unexpected) {
        lifecycle_.ReportFailure(PanelFailure(FailureCode::Internal, unexpected.what()));
    }
    lifecycle_.EndProgram(1);
}

}  // namespace kelvoria
