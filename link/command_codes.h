#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// Every byte the panel ever writes to the shutter controller.
namespace kelvoria {

// Shutter n opens with CommandBase plus its increment and closes with the next
// code up. Shutters 4 to 6 sit at 0x90, not right after shutter 3.
inline constexpr std::array<int, 6> kShutterIncrement = {0, 2, 4, 16, 18, 20};
inline constexpr int kCloseOffset = 1;
inline constexpr int kRoutine2EndIncrement = 7;
inline constexpr std::uint8_t CycleMark = 71;  // "G", not derived from CommandBase
inline constexpr std::uint8_t kStandardCommandBase = 128;

// Codes are worked out when sent: CommandBase widened to 16 bits plus the
// increment, checked to fit one byte (PanelFailure otherwise).
std::uint8_t OpenCode(std::uint8_t command_base, int shutter);
std::uint8_t CloseCode(std::uint8_t command_base, int shutter);
std::uint8_t Routine2EndCode(std::uint8_t command_base);

// What a byte means to the controller, for the simulator and for logs.
struct CommandMeaning {
    enum class Kind { ShutterOpen, ShutterClose, CycleMark, Routine2End, Unexpected } kind;
    int shutter = 0;  // 1..6 for shutter commands
};
CommandMeaning Decode(std::uint8_t byte, std::uint8_t command_base = kStandardCommandBase);
std::string DescribeByte(std::uint8_t byte, std::uint8_t command_base = kStandardCommandBase);

}  // namespace kelvoria
