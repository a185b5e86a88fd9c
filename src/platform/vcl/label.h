// Labels: text drawn on the form, with no window of their own.
//
// With AutoSize on (the default) a label takes the size of its text whenever its caption
// or its font changes (and when AutoSize is switched on), keeping Left and Top: without
// WordWrap the width of the widest line and the height of all lines; with WordWrap the
// text is broken at blanks to fit the current width and the width shrinks to the widest
// broken line. Setting bounds never re-sizes. An empty caption measures as one blank.
// Lines break at "\n" and, with WordWrap, at blanks; text below the label's lower edge
// is cut off.
#pragma once

#include <string>
#include <vector>

#include "control.h"

class QPainter;

namespace vcl {

class TLabel : public TControl {
 public:
  explicit TLabel(TForm* parent);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  // A transparent label draws only its text; otherwise it fills its bounds with Color().
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);

  // The lines the caption is drawn in at the current font and width.
  std::vector<std::string> Lines() const;

 protected:
  void FontChanged() override;
  void BoundsChanged() override;
  void ColorChanged() override;

 private:
  void AdjustBounds();
  void Paint(QPainter& painter);

  std::string caption_;
  TAlignment alignment_ = taLeftJustify;
  bool wordWrap_ = false;
  bool autoSize_ = true;
  bool transparent_ = false;
};

}  // namespace vcl
