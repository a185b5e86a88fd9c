// The program's own artwork: window pictures, logos, icon and hand cursor.
#pragma once

#include <cstdint>
#include <vector>

#include "art/file_set.h"

namespace lumpforge::art {

// background.bmp, logo16.bmp, logo32.bmp, banner.bmp, icon16.png, icon32.png and
// hand_cursor.bin, in that order.
FileSet MakeArtwork();

// The hand cursor: 128 bytes AND mask, then 128 bytes XOR mask; 32 x 32, rows of 4 bytes,
// most significant bit first. AND 1 + XOR 0 transparent, AND 0 + XOR 0 black,
// AND 0 + XOR 1 white. Hot spot (10, 5), the tip of the index finger.
std::vector<std::uint8_t> MakeHandCursor();
inline constexpr int kHandHotSpotX = 10;
inline constexpr int kHandHotSpotY = 5;

}  // namespace lumpforge::art
