#pragma once

#include <array>
#include <string_view>

#include "app/panel.h"
#include "app/shapes.h"

// The main window's fixed layout, in twips (15 to a pixel at 96 dots per inch).
namespace kelvoria::layout {

inline constexpr int kTwipsPerPixel = 15;
constexpr int Px(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

inline constexpr int kClientWidth = 12015;
inline constexpr int kClientHeight = 5925;
inline constexpr std::string_view kCaption = "KELVORIA 2001";

enum class InFrame : bool { No, Yes };
enum class Bold : bool { No, Yes };

struct ButtonPlace {
    Control control;
    std::string_view name, caption, accessible;
    InFrame in_frame;
    int left, top, width, height, tab_index;
    Bold bold;
};

// In the window's stacking order, topmost first.
inline constexpr std::array<ButtonPlace, 13> kButtons = {{
    {Control::SHUTTER4, "SHUTTER4", "&4", "Shutter 4", InFrame::No, 6480, 1920, 375, 375, 4,
     Bold::Yes},
    {Control::SHUTTER5, "SHUTTER5", "&5", "Shutter 5", InFrame::No, 7080, 3840, 375, 375, 5,
     Bold::Yes},
    {Control::SHUTTER6, "SHUTTER6", "&6", "Shutter 6", InFrame::No, 10320, 2040, 375, 375, 6,
     Bold::Yes},
    {Control::SHUTTER1, "SHUTTER1", "&1", "Shutter 1", InFrame::No, 600, 3480, 375, 375, 1,
     Bold::Yes},
    {Control::ROUTINE1, "ROUTINE1", "ROUTINE 1", "Routine 1", InFrame::No, 120, 5280, 1095, 375, 7,
     Bold::No},
    {Control::SHUTTER2, "SHUTTER2", " ", "Shutter 2", InFrame::No, 3480, 1560, 375, 375, 2,
     Bold::Yes},
    {Control::SHUTTER3, "SHUTTER3", "&3", "Shutter 3", InFrame::No, 4680, 3720, 375, 375, 3,
     Bold::Yes},
    {Control::ROUTINE2, "ROUTINE2", "ROUTINE 2", "Routine 2", InFrame::No, 1320, 5280, 1095, 375, 9,
     Bold::No},
    {Control::ROUTINE5, "ROUTINE5", "ALL &CLOSE", "All close", InFrame::Yes, 4920, 5280, 1095, 375,
     12, Bold::No},
    {Control::ROUTINE4, "ROUTINE4", "ALL &OPEN", "All open", InFrame::Yes, 3720, 5280, 1095, 375,
     11, Bold::No},
    {Control::ENDPROGRAM, "ENDPROGRAM", "END PROGRAM", "End program", InFrame::Yes, 6600, 5280,
     1695, 375, 13, Bold::Yes},
    {Control::ROUTINE3, "ROUTINE3", "ROUTINE 3", "Routine 3", InFrame::Yes, 2520, 5280, 1095, 375,
     10, Bold::No},
    {Control::ExposureSel, "ExposureSel", "", "Set exposure in seconds", InFrame::Yes, 1440, 4680,
     615, 450, 8, Bold::Yes},
}};

struct FramePlace {
    int left, top, width, height;
};
inline constexpr FramePlace kFrame1 = {0, 0, 12015, 5895};
inline constexpr FramePlace kImage2 = {0, 120, 12000, 5925};

struct LabelPlace {
    std::string_view name, caption;
    int left, top, width, height, tab_index;
    bool underlined, centred;
};
inline constexpr std::array<LabelPlace, 2> kLabels = {{
    {"Label2", "Set Exposure", 1200, 4440, 1455, 255, 15, true, true},
    {"Label1", "sec", 2160, 4800, 375, 255, 14, false, false},
}};

struct CirclePlace {
    Shape shape;
    int left, top, width, height;
    Colour start;
    bool outlined;
};
// Stacking order inside the frame: Shape11 down to Shape7, then Shape6 down to Shape1.
inline constexpr std::array<CirclePlace, 11> kCircles = {{
    {Shape::Shape1, 680, 2910, 255, 245, ShutterStartFill, false},
    {Shape::Shape2, 2760, 1625, 325, 300, ShutterStartFill, false},
    {Shape::Shape3, 4680, 3000, 375, 320, ShutterStartFill, false},
    {Shape::Shape4, 7200, 2280, 135, 135, ShutterStartFill, false},
    {Shape::Shape5, 7765, 3935, 255, 235, ShutterStartFill, false},
    {Shape::Shape6, 11040, 2075, 255, 235, ShutterStartFill, false},
    {Shape::Shape7, 360, 5640, 615, 135, IndicatorOff, true},
    {Shape::Shape8, 1560, 5640, 615, 135, IndicatorOff, true},
    {Shape::Shape9, 2760, 5640, 615, 135, IndicatorOff, true},
    {Shape::Shape10, 3960, 5640, 615, 135, IndicatorOff, true},
    {Shape::Shape11, 5160, 5640, 615, 135, IndicatorOff, true},
}};

}  // namespace kelvoria::layout
