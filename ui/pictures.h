#pragma once

namespace kelvoria {

// Registers the pictures compiled into this library; safe to call often.
void LoadPictures();

}  // namespace kelvoria
