// The metrics file reader on any text: line splitting, the number rule and the
// character line grammar, for every line the font writer reads and a few past the end.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "metrics_text.h"

using namespace lumpforge;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  MetricsText memo;
  memo.SetText(text);
  std::size_t characters = 0;
  for (int line = -1; line <= memo.LineCount() + 1; ++line) {
    std::string_view piece = memo.Line(line);
    if (piece.find_first_of("\r\n") != std::string_view::npos || piece.find('\0') != std::string_view::npos) std::abort();
    characters += piece.size();
    (void)ReadNumber(piece);
    if (ParseCharacterLine(piece)[3] != 0) std::abort();
  }
  // Lines never hold more than the text (line breaks are not part of a line).
  if (characters > size) std::abort();
  (void)ReadNumber(text);
  (void)ParseCharacterLine(text);
  return 0;
}
