// Fonts, brushes and pens of the form layer.
#pragma once

#include <functional>
#include <string>

#include "vcl_types.h"

namespace vcl {

// A control's or form's font. Height follows the original platform's convention: a negative
// height is the character height in pixels (what the windows use), a positive one the cell
// height. Setting Size (points) sets Height to -round(size * ppi / 72) at the display's
// pixels per inch (Screen->PixelsPerInch()); a Height set afterwards is the one that holds.
//
// Font names are resolved through substitutions set up by Application->Initialize():
// "Arial" is Liberation Sans (same metrics), "MS Sans Serif" is DejaVu Sans.
class TFont {
 public:
  TFont();

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);

  int Height() const { return height_; }
  void SetHeight(int height);

  // Points at the display's pixels per inch, from Height.
  int Size() const;
  void SetSize(int points);

  TColor Color() const { return color_; }
  void SetColor(TColor color);

  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);

  int Charset() const { return charset_; }
  void SetCharset(int charset);

  // Copies every value of another font (one change notification).
  void Assign(const TFont& other);

  // Called after every change; the owning control re-renders and auto-sizes.
  std::function<void()> OnChange;

 private:
  void Changed();

  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  TColor color_ = clWindowText;
  TFontStyles style_ = 0;
  int charset_ = DEFAULT_CHARSET;
};

class TBrush {
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  std::function<void()> OnChange;

 private:
  TColor color_ = clWhite;
};

class TPen {
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Width() const { return width_; }
  void SetWidth(int width);
  std::function<void()> OnChange;

 private:
  TColor color_ = clBlack;
  int width_ = 1;
};

}  // namespace vcl
