// Facts about the live desktop that the registry stand-in and the Win32 stand-ins report:
// logical pixels per inch, colour depth and the mouse cursor's position. The form layer
// installs a provider that asks the display server; without one, a plain 96 dpi, 24-bit
// desktop with the cursor at 0, 0 is reported.
#pragma once

#include <functional>

namespace platform {

struct DesktopFacts {
  int logicalDpi = 96;
  int colourDepth = 24;
};

struct CursorPosition {
  int x = 0;
  int y = 0;
};

void SetDesktopFactsProvider(std::function<DesktopFacts()> provider);
DesktopFacts CurrentDesktopFacts();

void SetCursorPositionProvider(std::function<CursorPosition()> provider);
CursorPosition CurrentCursorPosition();

}  // namespace platform
