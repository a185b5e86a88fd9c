#include "font.h"

#include <cmath>

#include "screen.h"

namespace vcl {

TFont::TFont() = default;

void TFont::Changed() {
  if (OnChange) OnChange();
}

void TFont::SetName(const std::string& name) {
  if (name == name_) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(int height) {
  // Notifies even when the height stays: an auto-sized label re-measures its text
  // whenever its font is set, which the windows' layouts rely on.
  height_ = height;
  Changed();
}

int TFont::Size() const {
  const int ppi = Screen->PixelsPerInch();
  return static_cast<int>(std::lround(-static_cast<double>(height_) * 72.0 / ppi));
}

void TFont::SetSize(int points) {
  const int ppi = Screen->PixelsPerInch();
  SetHeight(-static_cast<int>(std::lround(static_cast<double>(points) * ppi / 72.0)));
}

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TFont::SetStyle(TFontStyles style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::SetCharset(int charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}

void TFont::Assign(const TFont& other) {
  if (name_ == other.name_ && height_ == other.height_ && color_ == other.color_ &&
      style_ == other.style_ && charset_ == other.charset_)
    return;
  name_ = other.name_;
  height_ = other.height_;
  color_ = other.color_;
  style_ = other.style_;
  charset_ = other.charset_;
  Changed();
}

void TBrush::SetColor(TColor color) {
  color_ = color;
  if (OnChange) OnChange();
}

void TPen::SetColor(TColor color) {
  color_ = color;
  if (OnChange) OnChange();
}

void TPen::SetWidth(int width) {
  width_ = width < 0 ? 0 : width;
  if (OnChange) OnChange();
}

}  // namespace vcl
