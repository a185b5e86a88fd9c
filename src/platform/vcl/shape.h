// A rectangle: filled with its brush, outlined with its pen (defaults: white brush, black
// one-pixel pen). A shape one pixel high or wide is all outline, so it draws a line.
#pragma once

#include "control.h"

namespace vcl {

class TShape : public TControl {
 public:
  explicit TShape(TForm* parent);

  TBrush* Brush() { return &brush_; }
  TPen* Pen() { return &pen_; }
  const TBrush* Brush() const { return &brush_; }
  const TPen* Pen() const { return &pen_; }

 private:
  TBrush brush_;
  TPen pen_;
};

}  // namespace vcl
