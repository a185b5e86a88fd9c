// The line reader of the character metrics files, and the rules that turn their lines
// into numbers and character entries.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace lumpforge {

class InputFile;

// A metrics file that cannot be loaded: "Cannot open file <path>" or "Text exceeds memo
// capacity". The message carries no final full stop; the standard exception report adds it.
class MetricsLoadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Largest metrics file the reader takes, in bytes.
inline constexpr std::size_t kMetricsCapacity = 1048576;

// Holds the text of one metrics file split into lines. Line breaks are CR LF, a lone CR
// and a lone LF; the text ends at its first zero byte.
class MetricsText {
 public:
  // Replaces the lines with the file's text. Throws MetricsLoadError.
  void Load(const std::string& path);
  // The same for a file already open; path names it in the error.
  void Load(InputFile& file, const std::string& path);
  // Replaces the lines with the given text.
  void SetText(std::string_view text);
  // Line i counted from 0; an index outside the text gives an empty line.
  std::string_view Line(int index) const;
  int LineCount() const { return static_cast<int>(lines_.size()); }

 private:
  std::string text_;
  std::vector<std::string_view> lines_;
};

// The number rule: blanks and tabs (codes 9 to 13 and 32) skipped, an optional sign,
// decimal digits accumulated in 32-bit two's complement (wrapping silently); no digits
// give 0 and whatever follows the digits is ignored.
std::int32_t ReadNumber(std::string_view text);

// The four bytes of a character line "label N1 N2 N3": the low bytes of the three
// numbers, then 0.
std::array<std::uint8_t, 4> ParseCharacterLine(std::string_view line);

}  // namespace lumpforge
