#pragma once

// Where the baseline's one button sits, shared with the driver that clicks it.
namespace kelvoria::baseline {

inline constexpr char kTitle[] = "kelvoria-baseline";
inline constexpr int kWidth = 240;
inline constexpr int kHeight = 120;
inline constexpr int kButtonLeft = 20, kButtonTop = 20, kButtonWidth = 200, kButtonHeight = 80;
inline constexpr int kClickX = kButtonLeft + kButtonWidth / 2;
inline constexpr int kClickY = kButtonTop + kButtonHeight / 2;
inline constexpr char kByte = '\x80';

}  // namespace kelvoria::baseline
