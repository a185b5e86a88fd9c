// GetVersionExA, GetCursorPos and LoadCursorA; ShellExecuteExA is in shell_execute.cpp.
#include "win32.h"

#include <sys/utsname.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <strings.h>

#include "desktop_facts.h"

#if __has_include("embedded_resources.h")
#include "embedded_resources.h"
#define LUMPFORGE_HAS_RESOURCES 1
#endif

bool GetVersionExA(OSVERSIONINFOA* info) {
  if (!info || info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA)) return false;
  std::uint32_t numbers[3] = {0, 0, 0};
  utsname system {};
  if (uname(&system) == 0) {
    const char* text = system.release;
    for (std::uint32_t& number : numbers) {
      char* end = nullptr;
      number = static_cast<std::uint32_t>(std::strtoul(text, &end, 10));
      if (end == text || *end != '.') break;
      text = end + 1;
    }
  }
  info->dwMajorVersion = numbers[0];
  info->dwMinorVersion = numbers[1];
  info->dwBuildNumber = numbers[2];
  info->dwPlatformId = VER_PLATFORM_WIN32_NT;
  std::memset(info->szCSDVersion, 0, sizeof info->szCSDVersion);
  return true;
}

bool GetCursorPos(POINT* point) {
  if (!point) return false;
  const platform::CursorPosition position = platform::CurrentCursorPosition();
  point->x = position.x;
  point->y = position.y;
  return true;
}

namespace {

constexpr int kHandSize = 32;
constexpr int kHandHotX = 10;
constexpr int kHandHotY = 5;
constexpr std::size_t kHandMaskBytes = kHandSize * kHandSize / 8;

// The hand as the resources hold it: the AND mask, then the XOR mask. Nothing when the
// resource is absent or not of that size.
const CursorImage* LoadHand() {
#ifdef LUMPFORGE_HAS_RESOURCES
  static const CursorImage* const hand = []() -> const CursorImage* {
    std::span<const std::uint8_t> bytes = lumpforge::resources::Find("HAND");
    if (bytes.size() != 2 * kHandMaskBytes) return nullptr;
    return new CursorImage{kHandSize,
                           kHandSize,
                           kHandHotX,
                           kHandHotY,
                           {bytes.begin(), bytes.begin() + kHandMaskBytes},
                           {bytes.begin() + kHandMaskBytes, bytes.end()}};
  }();
  return hand;
#else
  return nullptr;
#endif
}

}  // namespace

HCURSOR LoadCursorA(HINSTANCE /*instance*/, const char* name) {
  // Small numbers stand for the platform's numbered resources and are not addresses.
  if (reinterpret_cast<std::uintptr_t>(name) < 0x10000) return nullptr;
  if (strcasecmp(name, "HAND") == 0) return LoadHand();
  return nullptr;
}
