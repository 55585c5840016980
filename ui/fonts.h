#pragma once

#include <QFont>

namespace kelvoria {

// Registers substitutes for the panel's fonts where they are missing:
// Liberation Sans first, then DejaVu Sans, by the same size and weight.
void RegisterFontSubstitutes();

// "MS Sans Serif" 8.25 pt, bold or regular.
QFont PanelFont(bool bold, bool underlined);

}  // namespace kelvoria
