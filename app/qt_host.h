#pragma once

#include "app/panel_ports.h"

namespace kelvoria {

// The yield: every window event already queued runs, nested, then it returns.
class QtEventPump : public EventPump {
public:
    void PumpEvents() override;
};

// Failures go to a message box and standard error; the end is immediate.
class QtLifecycle : public Lifecycle {
public:
    void ReportFailure(const PanelFailure& failure) override;
    [[noreturn]] void EndProgram(int status) override;
};

}  // namespace kelvoria
