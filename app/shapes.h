#pragma once

#include <cstdint>

namespace kelvoria {

// The eleven indicator circles of the main window.
enum class Shape : std::uint8_t {
    Shape1 = 1,  // shutter 1 .. Shape6: shutter 6
    Shape2,
    Shape3,
    Shape4,
    Shape5,
    Shape6,
    Shape7,   // routine 1 running
    Shape8,   // routine 2 running
    Shape9,   // routine 3 running
    Shape10,  // ALL OPEN used last
    Shape11,  // ALL CLOSE used last
};

inline constexpr int kShapeCount = 11;

constexpr Shape ShutterShape(int shutter) {
    return static_cast<Shape>(shutter);
}
constexpr int ShapeNumber(Shape s) {
    return static_cast<int>(s);
}

// Fill colours as 0x00BBGGRR values.
using Colour = std::uint32_t;
inline constexpr Colour ColourOpen = 0x0000FFFF;        // yellow
inline constexpr Colour ColourClosed = 0x00000000;      // black
inline constexpr Colour IndicatorOn = 0x000000FF;       // red
inline constexpr Colour IndicatorOff = 0x00FFFFFF;      // white
inline constexpr Colour ShutterStartFill = 0x00404040;  // dark grey, neither open nor closed
inline constexpr Colour IndicatorOutline = 0x002C2E81;  // dark red

}  // namespace kelvoria
