#include "support/scripted_host.h"

#include <algorithm>
#include <cstdio>

namespace kelvoria::testing {

std::string Hex(std::uint8_t byte) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02x", byte);
    return text;
}

ScriptedHost::ScriptedHost() : panel_(*this, *this, *this, *this) {
    for (int s = 1; s <= 6; ++s) {
        fill[ShutterShape(s)] = ShutterStartFill;
    }
    for (int s = 7; s <= kShapeCount; ++s) {
        fill[static_cast<Shape>(s)] = IndicatorOff;
    }
}

void ScriptedHost::Load() {
    panel_.Load();
}

std::optional<int> ScriptedHost::Click(Control control) {
    try {
        panel_.Click(control);
    } catch (const ProgramEnded& ended) {
        return ended.status;
    }
    return std::nullopt;
}

void ScriptedHost::Queue(Control control, int times) {
    for (int i = 0; i < times; ++i) {
        queued_.push_back(control);
    }
}

void ScriptedHost::AfterByte(std::size_t nth, std::function<void()> hook) {
    after_byte_.emplace(nth, std::move(hook));
}

void ScriptedHost::AtYield(int nth, std::function<void()> hook) {
    at_yield_.emplace(nth, std::move(hook));
}

void ScriptedHost::FailWrite(std::size_t nth) {
    fail_write_ = nth;
}

void ScriptedHost::Paint(Shape shape, Colour colour) {
    fill[shape] = colour;
    char text[40];
    std::snprintf(text, sizeof text, "paint Shape%d %08x", ShapeNumber(shape), colour);
    log.emplace_back(text);
}

void ScriptedHost::AddExposureItem(std::string_view text) {
    items.emplace_back(text);
}

std::string ScriptedHost::ExposureText() const {
    return selected_ < 0 ? std::string() : items.at(static_cast<std::size_t>(selected_));
}

void ScriptedHost::MoveTo(float l, float t) {
    left = l;
    top = t;
}

void ScriptedHost::SetSettings(std::string_view s) {
    settings = s;
    log.push_back("settings " + settings);
}

void ScriptedHost::SetCommPort(std::int16_t port) {
    comm_port = port;
    log.push_back("commport " + std::to_string(port));
}

void ScriptedHost::SetPortOpen(bool open) {
    if (open && open_failure) {
        open_failure();
    }
    open_ = open;
    log.push_back(open ? "open" : "close");
}

void ScriptedHost::Output(std::uint8_t byte) {
    if (!open_) {
        throw PanelFailure(FailureCode::PortNotOpen, "scripted port");
    }
    if (fail_write_ && *fail_write_ == bytes.size() + 1) {
        throw PanelFailure(FailureCode::WriteFailed, "scripted: Input/output error");
    }
    bytes.push_back(byte);
    log.push_back("byte " + Hex(byte));
    auto [first, last] = after_byte_.equal_range(bytes.size());
    std::vector<std::function<void()>> hooks;
    for (auto it = first; it != last; ++it) {
        hooks.push_back(it->second);
    }
    for (auto& hook : hooks) {
        hook();
    }
}

void ScriptedHost::PumpEvents() {
    ++yields;
    log.emplace_back("yield");
    auto [first, last] = at_yield_.equal_range(yields);
    std::vector<std::function<void()>> hooks;
    for (auto it = first; it != last; ++it) {
        hooks.push_back(it->second);
    }
    for (auto& hook : hooks) {
        hook();
    }
    ++pump_depth_;
    deepest_pump = std::max(deepest_pump, pump_depth_);
    struct Depth {
        int& d;
        ~Depth() { --d; }
    } depth{pump_depth_};
    while (!queued_.empty()) {
        const Control next = queued_.front();
        queued_.pop_front();
        panel_.Click(next);
    }
}

void ScriptedHost::ReportFailure(const PanelFailure& failure) {
    failures.push_back(failure.message());
    log.push_back("failure " + std::to_string(failure.number()));
}

void ScriptedHost::EndProgram(int status) {
    log.push_back("end " + std::to_string(status));
    throw ProgramEnded{status};
}

std::vector<int> ShuttersShowing(const ScriptedHost& host, Colour colour) {
    std::vector<int> shutters;
    for (int s = 1; s <= 6; ++s) {
        if (host.fill.at(ShutterShape(s)) == colour) {
            shutters.push_back(s);
        }
    }
    return shutters;
}

}  // namespace kelvoria::testing
