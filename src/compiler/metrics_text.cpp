#include "metrics_text.h"

#include "input_file.h"

namespace lumpforge {
namespace {

bool IsNumberSpace(unsigned char c) { return (c >= 9 && c <= 13) || c == ' '; }

// Position (1-based) of the first blank in text, 0 when there is none.
std::size_t FirstBlank(std::string_view text) {
  std::size_t at = text.find(' ');
  return at == std::string_view::npos ? 0 : at + 1;
}

// The text from 1-based position p on; empty when p lies beyond the end.
std::string_view From(std::string_view text, std::size_t p) {
  return p - 1 < text.size() ? text.substr(p - 1) : std::string_view();
}

// The text of a piece before its first blank (q its 1-based position, 0 for none);
// empty when there is no blank or the piece begins with one.
std::string_view BeforeBlank(std::string_view piece, std::size_t q) {
  return q <= 1 ? std::string_view() : piece.substr(0, q - 1);
}

}  // namespace

void MetricsText::Load(const std::string& path) {
  std::string::size_type slash = path.rfind('/');
  std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash);
  std::string literal = slash == std::string::npos ? "/" + path : path.substr(slash);
  InputFile file;
  if (!file.Open(folder, literal.c_str())) throw MetricsLoadError("Cannot open file " + path);
  Load(file, path);
}

void MetricsText::Load(InputFile& file, const std::string& path) {
  if (file.Size() > kMetricsCapacity) throw MetricsLoadError("Text exceeds memo capacity");
  std::vector<std::uint8_t> bytes;
  if (!file.ReadAll(bytes)) {
    // The file changed since it was opened; say why it cannot be taken now.
    if (file.CurrentSize() > kMetricsCapacity) throw MetricsLoadError("Text exceeds memo capacity");
    throw MetricsLoadError("Cannot open file " + path);
  }
  SetText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void MetricsText::SetText(std::string_view text) {
  std::string_view::size_type zero = text.find('\0');
  if (zero != std::string_view::npos) text = text.substr(0, zero);
  text_.assign(text);
  lines_.clear();
  std::string_view all(text_);
  std::size_t start = 0;
  for (std::size_t i = 0; i < all.size(); ++i) {
    char c = all[i];
    if (c != '\r' && c != '\n') continue;
    lines_.push_back(all.substr(start, i - start));
    if (c == '\r' && i + 1 < all.size() && all[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < all.size()) lines_.push_back(all.substr(start));
}

std::string_view MetricsText::Line(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= lines_.size()) return {};
  return lines_[static_cast<std::size_t>(index)];
}

std::int32_t ReadNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsNumberSpace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  std::uint32_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
  }
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

std::array<std::uint8_t, 4> ParseCharacterLine(std::string_view line) {
  std::size_t p = FirstBlank(line);
  bool labelEmpty = p <= 1;
  if (labelEmpty) p += 1;

  std::string_view rest = From(line, p + 1);
  std::size_t q = FirstBlank(rest);
  std::int32_t n1 = ReadNumber(BeforeBlank(rest, q));
  p += q;

  rest = From(line, p + 1);
  q = FirstBlank(rest);
  std::int32_t n2 = ReadNumber(BeforeBlank(rest, q));
  p += q;

  std::int32_t n3 = ReadNumber(From(line, p + 1));
  return {static_cast<std::uint8_t>(n1), static_cast<std::uint8_t>(n2), static_cast<std::uint8_t>(n3), 0};
}

}  // namespace lumpforge
