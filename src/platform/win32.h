// Stand-ins for the few Win32 calls the program makes: the system version, the mouse
// position, the program's hand cursor and the shell's "open" launch. Global namespace and
// the platform's names, so the windows' code reads as it was designed.
#pragma once

#include <cstdint>
#include <vector>

struct OSVERSIONINFOA {
  std::uint32_t dwOSVersionInfoSize;
  std::uint32_t dwMajorVersion;
  std::uint32_t dwMinorVersion;
  std::uint32_t dwBuildNumber;
  std::uint32_t dwPlatformId;
  char szCSDVersion[128];
};
static_assert(sizeof(OSVERSIONINFOA) == 148);

inline constexpr std::uint32_t VER_PLATFORM_WIN32_WINDOWS = 1;
inline constexpr std::uint32_t VER_PLATFORM_WIN32_NT = 2;

// Fills the record when its size field is 148: the NT family (platform id 2), with the
// running kernel's version numbers. Returns false, leaving the record alone, otherwise.
bool GetVersionExA(OSVERSIONINFOA* info);

struct POINT {
  std::int32_t x;
  std::int32_t y;
};

// The mouse position on the desktop, from platform::CurrentCursorPosition().
bool GetCursorPos(POINT* point);

// A monochrome cursor: masks of 1 bit per pixel, rows of width / 8 bytes, most significant
// bit leftmost. AND 1 + XOR 0 is transparent, AND 0 + XOR 0 black, AND 0 + XOR 1 white.
struct CursorImage {
  int width;
  int height;
  int hotX;
  int hotY;
  std::vector<std::uint8_t> andMask;
  std::vector<std::uint8_t> xorMask;
};
using HCURSOR = const CursorImage*;
using HINSTANCE = void*;

// "HAND" (any letter case) gives the program's 32 x 32 pointing hand, hot spot 10, 5; the
// image lives as long as the program. Any other name, or a numeric resource id, gives nullptr.
HCURSOR LoadCursorA(HINSTANCE instance, const char* name);

inline constexpr std::uint32_t SEE_MASK_FLAG_NO_UI = 0x400;
inline constexpr int SW_SHOWDEFAULT = 10;

struct SHELLEXECUTEINFOA {
  std::uint32_t cbSize;
  std::uint32_t fMask;
  void* hwnd;
  const char* lpVerb;
  const char* lpFile;
  const char* lpParameters;
  const char* lpDirectory;
  int nShow;
  void* hInstApp;
};

// Starts lpFile with the verb "open" (or no verb) and returns at once, never waiting for it.
// cbSize must be sizeof(SHELLEXECUTEINFOA), or 60, the record's size in the 32-bit layout.
// The program is run directly, not through a shell, with lpParameters as its one argument
// (none when empty), in lpDirectory when that is not empty. A name without "/" is looked up
// in the absolute folders of PATH; one with "/" is taken relative to the working directory
// the program gets. Returns false, with hInstApp holding a small error code (2 not found,
// 5 access denied, 31 unknown verb), when the program cannot be started; on success
// hInstApp is 42. The started program is detached: no zombie is left behind.
bool ShellExecuteExA(SHELLEXECUTEINFOA* info);
