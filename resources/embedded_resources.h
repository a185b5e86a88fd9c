// The program's artwork, cursor and icon, built into the program as byte arrays.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace lumpforge::resources {

// The bytes of the named resource, or an empty span when there is none of that name.
// Names: "HAND" (the 32 x 32 monochrome hand cursor: 128 bytes AND mask, then 128 bytes
// XOR mask, rows of 4 bytes, most significant bit first; hot spot 10, 5), "background.bmp",
// "logo16.bmp", "logo32.bmp", "banner.bmp", "icon16.png", "icon32.png".
std::span<const std::uint8_t> Find(std::string_view name);

// Every resource name, in a fixed order.
std::vector<std::string_view> Names();

}  // namespace lumpforge::resources
