#pragma once

#include <array>
#include <string_view>

// The splash window's fixed layout, in twips. The frame starts 120 twips above
// the client area, so everything in it stands that much higher on screen.
namespace kelvoria::splash_layout {

inline constexpr int kClientWidth = 7125;
inline constexpr int kClientHeight = 4230;

struct FramePlace {
    int left, top, width, height;
};
inline constexpr FramePlace kFrame1 = {0, -120, 7200, 4410};
inline constexpr FramePlace kLogo = {240, 720, 3615, 3225};

enum class Align { Left, Right };

struct LabelPlace {
    std::string_view name, text;
    int left, top, width, height;
    std::string_view family;
    double points;
    bool underlined;
    Align align;
    bool sizes_to_text;
};

// Texts set at load ("lblVersion", "lblProductName") start empty. The maker
// is fictional: a reserved 555 number and an example.com address.
inline constexpr std::array<LabelPlace, 9> kLabels = {{
    {"Label5", "Kelvoria Optics", 4080, 1920, 2055, 255, "MS Sans Serif", 8.25, false, Align::Left, false},
    {"Label4", "www.kelvoria.example.com", 840, 4080, 2415, 255, "MS Sans Serif", 8.25, true, Align::Left, false},
    {"Label3", "Tel. (555) 010-2001", 4080, 2640, 1815, 255, "MS Sans Serif", 8.25, false, Align::Left, false},
    {"Label2", "Lumen City, QX 00000", 4080, 2400, 2415, 255, "MS Sans Serif", 8.25, false, Align::Left, false},
    {"Label1", "1 Aperture Way", 4080, 2160, 2175, 255, "MS Sans Serif", 8.25, false, Align::Left, false},
    {"lblCopyright", "Copyright 2001", 4440, 3720, 1935, 255, "Arial", 9, false, Align::Left, false},
    {"lblCompany", "Designed By: A. N. Example", 4440, 3960, 2535, 255, "Arial", 9, false, Align::Left, false},
    {"lblVersion", "", 5205, 840, 1725, 330, "Arial", 14.25, false, Align::Right, true},
    {"lblProductName", "", 360, 240, 6585, 510, "Arial", 21.75, false, Align::Left, true},
}};

inline constexpr std::string_view kSoundDevice = "WaveAudio";
inline constexpr std::string_view kSoundFile = "C:\\My Music\\aamra[1].wav";

}  // namespace kelvoria::splash_layout
