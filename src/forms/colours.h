// The colours the windows share.
#pragma once

#include "vcl_types.h"

namespace lumpforge::colours {

// A link at rest: orange, RGB 255, 128, 0.
inline constexpr vcl::TColor kLink = 33023;
// A link while a mouse button is held on it: grey, RGB 128, 128, 128.
inline constexpr vcl::TColor kLinkPressed = 8421504;

}  // namespace lumpforge::colours
