#include "routines/runner.h"

#include "control/exposure.h"
#include "link/command_codes.h"
#include "routines/busy_wait.h"

namespace kelvoria {

using routines::Action;
using routines::Routine;

namespace {
// Counts a run from its start until its handler returns, whichever way.
class ActiveRun {
public:
    explicit ActiveRun(int& count) : count_(count) { ++count_; }
    ~ActiveRun() { --count_; }
    ActiveRun(const ActiveRun&) = delete;
    ActiveRun& operator=(const ActiveRun&) = delete;

private:
    int& count_;
};
}  // namespace

void RoutineRunner::Click(int number) {
    const Routine& routine = routines::RoutineNumber(number);
    Boolean& running = state_.*routine.running;
    if (running == kFalse && active_runs_ >= kMaxRuns) {
        return;  // a start too deep to take: ignored entirely
    }

    state_.SetAllClosed(kTrue);
    display_.Paint(Shape::Shape10, IndicatorOff);
    display_.Paint(Shape::Shape11, IndicatorOff);

    if (running != kFalse) {
        // Stopping: the running invocation sees the flag at its next test.
        running = kFalse;
        display_.Paint(routine.indicator, IndicatorOff);
        if (routine.single_pass) {
            port_.Output(Routine2EndCode(state_.CommandBase));
        }
        return;
    }

    running = kTrue;
    display_.Paint(routine.indicator, IndicatorOn);
    ActiveRun counted(active_runs_);
    if (routine.single_pass) {
        RunOnce(routine);
    } else {
        RunCycles(routine);
    }
}

void RoutineRunner::RunCycles(const Routine& routine) {
    Boolean& running = state_.*routine.running;
    for (;;) {
        // Cycle head: a stop handled in the last yield of a cycle ends the
        // run here, silently.
        if (running == kFalse) {
            running = kFalse;
            return;
        }
        port_.Output(CycleMark);
        pump_.PumpEvents();
        if (!RunSteps(routine)) {
            return;
        }
    }
}

void RoutineRunner::RunOnce(const Routine& routine) {
    state_.ExposureValue = FactorOrDefault(display_.ExposureText());
    state_.ExposureValue = state_.StepDelayCount * state_.ExposureValue;
    port_.Output(CycleMark);
    if (!RunSteps(routine)) {
        return;
    }
    state_.*routine.running = kFalse;
    port_.Output(Routine2EndCode(state_.CommandBase));
}

bool RoutineRunner::RunSteps(const Routine& routine) {
    for (const routines::Step& step : routine.steps) {
        Wait(step.before);
        for (const Action& action : step.Actions()) {
            switch (action.kind) {
                case Action::Kind::Open:
                case Action::Kind::Close:
                    // Whether it opens or closes is up to the flag: a shutter
                    // clicked by hand during the run stays out of phase.
                    shutters_.Toggle(action.arg);
                    break;
                case Action::Kind::Yield:
                    pump_.PumpEvents();
                    break;
                case Action::Kind::Test:
                    if (state_.*routine.running == kFalse) {
                        StopPath();
                        return false;
                    }
                    break;
                case Action::Kind::WaitFor:
                    Wait(static_cast<routines::Wait>(action.arg));
                    break;
            }
        }
    }
    return true;
}

void RoutineRunner::StopPath() {
    // The circles all go black, but no close code is sent: the controller
    // keeps whatever the run had opened.
    port_.Output(CycleMark);
    for (int shutter = 1; shutter <= kShutterCount; ++shutter) {
        display_.Paint(ShutterShape(shutter), ColourClosed);
    }
}

void RoutineRunner::Wait(routines::Wait limit) {
    if (limit != routines::Wait::None) {
        BusyWait(state_, LimitOf(limit));
    }
}

double RoutineRunner::LimitOf(routines::Wait limit) const {
    switch (limit) {
        case routines::Wait::Step:
            return state_.StepDelayCount;
        case routines::Wait::HalfStep:
            return state_.StepDelayCount / 2;
        case routines::Wait::Exposure:
            return state_.ExposureValue;
        case routines::Wait::HalfExposure:
            return state_.ExposureValue / 2;
        case routines::Wait::Unit:
            return state_.UnitDelayCount;
        case routines::Wait::None:
            break;
    }
    return 0.0;
}

}  // namespace kelvoria
