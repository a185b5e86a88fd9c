// The seven lumps of gfx.wad, in output order, and the nine inputs in checking order.
#pragma once

#include <cstdint>

namespace lumpforge {

inline constexpr int kLumpCount = 7;
inline constexpr std::int32_t kPictureType = 0x42;
inline constexpr std::int32_t kFontType = 0x46;

struct LumpSlot {
  const char* bitmapLiteral;   // appended to the folder: "/lambda.bmp"
  const char* metricsLiteral;  // "/conchars.txt" for font slots, nullptr otherwise
  const char* lumpName;        // upper-case, at most 16 characters
  std::int32_t type;           // kPictureType or kFontType
  int progressAfter;           // progress bar position after the lump, 0 for none
};

inline constexpr LumpSlot kLumpSlots[kLumpCount] = {
    {"/lambda.bmp", nullptr, "LAMBDA", kPictureType, 20},
    {"/lambda64.bmp", nullptr, "LAMBDA64", kPictureType, 30},
    {"/lambda32.bmp", nullptr, "LAMBDA32", kPictureType, 40},
    {"/paused.bmp", nullptr, "PAUSED", kPictureType, 50},
    {"/conchars.bmp", "/conchars.txt", "CONCHARS", kFontType, 60},
    {"/creditsfont.bmp", "/creditsfont.txt", "CREDITSFONT", kFontType, 70},
    {"/backtile.bmp", nullptr, "BACKTILE", kPictureType, 0},
};

// Lump sizes in bytes, for the dimensions of the slot's bitmap.
inline constexpr std::int32_t kPictureOverhead = 780;
inline constexpr std::int32_t kFontOverhead = 1812;

// The nine inputs in the order the check opens them; each metrics file follows its font.
struct InputStep {
  const char* fileName;   // bare name shown in messages
  const char* literal;    // appended to the folder
  bool isBitmap;
  int labelWidth;         // width of the message label when the file cannot be opened
};

inline constexpr int kInputStepCount = 9;

inline constexpr InputStep kInputSteps[kInputStepCount] = {
    {"lambda.bmp", "/lambda.bmp", true, 200},
    {"lambda64.bmp", "/lambda64.bmp", true, 200},
    {"lambda32.bmp", "/lambda32.bmp", true, 200},
    {"paused.bmp", "/paused.bmp", true, 200},
    {"conchars.bmp", "/conchars.bmp", true, 200},
    {"conchars.txt", "/conchars.txt", false, 200},
    {"creditsfont.bmp", "/creditsfont.bmp", true, 210},
    {"creditsfont.txt", "/creditsfont.txt", false, 210},
    {"backtile.bmp", "/backtile.bmp", true, 200},
};

}  // namespace lumpforge
