#include "link/command_codes.h"

#include <cstdio>

#include "app/failure.h"

namespace kelvoria {

namespace {
std::uint8_t CodeFrom(std::uint8_t command_base, int increment) {
    const std::int16_t widened = command_base;
    int sum = 0;
    if (__builtin_add_overflow(static_cast<int>(widened), increment, &sum) || sum > INT16_MAX ||
        sum < INT16_MIN) {
        throw PanelFailure(FailureCode::CodeOverflow, "16-bit overflow");
    }
    if (sum < 0 || sum > 255) {
        throw PanelFailure(FailureCode::CodeOverflow, "code " + std::to_string(sum));
    }
    return static_cast<std::uint8_t>(sum);
}

int IncrementOf(int shutter) {
    return kShutterIncrement.at(static_cast<std::size_t>(shutter - 1));
}
}  // namespace

std::uint8_t OpenCode(std::uint8_t command_base, int shutter) {
    return CodeFrom(command_base, IncrementOf(shutter));
}

std::uint8_t CloseCode(std::uint8_t command_base, int shutter) {
    return CodeFrom(command_base, IncrementOf(shutter) + kCloseOffset);
}

std::uint8_t Routine2EndCode(std::uint8_t command_base) {
    return CodeFrom(command_base, kRoutine2EndIncrement);
}

CommandMeaning Decode(std::uint8_t byte, std::uint8_t command_base) {
    using Kind = CommandMeaning::Kind;
    if (byte == CycleMark) {
        return {Kind::CycleMark};
    }
    const int offset = byte - command_base;
    if (offset == kRoutine2EndIncrement) {
        return {Kind::Routine2End};
    }
    for (int shutter = 1; shutter <= 6; ++shutter) {
        const int increment = IncrementOf(shutter);
        if (offset == increment) {
            return {Kind::ShutterOpen, shutter};
        }
        if (offset == increment + kCloseOffset) {
            return {Kind::ShutterClose, shutter};
        }
    }
    return {Kind::Unexpected};
}

std::string DescribeByte(std::uint8_t byte, std::uint8_t command_base) {
    const CommandMeaning meaning = Decode(byte, command_base);
    switch (meaning.kind) {
        case CommandMeaning::Kind::ShutterOpen:
            return "shutter " + std::to_string(meaning.shutter) + " open";
        case CommandMeaning::Kind::ShutterClose:
            return "shutter " + std::to_string(meaning.shutter) + " close";
        case CommandMeaning::Kind::CycleMark:
            return "cycle mark";
        case CommandMeaning::Kind::Routine2End:
            return "routine 2 end";
        case CommandMeaning::Kind::Unexpected:
            break;
    }
    char text[32];
    std::snprintf(text, sizeof text, "unexpected byte 0x%02x", byte);
    return text;
}

}  // namespace kelvoria
