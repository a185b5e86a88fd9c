// Controls: the visible parts of a form. Left, Top, Width and Height are pixels relative
// to the form's client area. Controls created later lie above those created earlier.
//
// Mouse events of a control: OnMouseDown on a press, and on the release OnClick (when the
// release happens over the control) BEFORE OnMouseUp; OnDblClick on a double click.
// An exception that escapes a handler run by user input is shown by
// Application->ShowException and goes no further; Click() called from code propagates.
#pragma once

#include <memory>
#include <string>

#include "component.h"
#include "font.h"
#include "vcl_types.h"

class QWidget;

namespace vcl {

class TControl : public TComponent {
 public:
  explicit TControl(TForm* parent);
  ~TControl() override;

  TForm* Parent() const { return Owner(); }

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int left);
  void SetTop(int top);
  void SetWidth(int width);
  void SetHeight(int height);
  void SetBounds(int left, int top, int width, int height);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // Shown as a tooltip when not empty.
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);

  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);

  // The font starts as a copy of the form's and follows it while ParentFont() is true;
  // any change to this font turns ParentFont off.
  TFont* Font() { return &font_; }
  const TFont* Font() const { return &font_; }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool parentFont);

  // Background colour (labels draw it unless transparent).
  TColor Color() const { return color_; }
  void SetColor(TColor color);

  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int tabOrder);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;

  // Runs what a click runs (OnClick; buttons first hand their modal result to the form).
  virtual void Click();

  // The Qt widget behind the control (for the layer itself and for tests).
  QWidget* Widget() const { return widget_; }

 protected:
  // Subclasses create their widget in their constructor and hand it over here. A
  // windowless control (label, image, shape) passes its presses to the form's hit test.
  void AttachWidget(QWidget* widget, bool windowless = false);
  virtual void FontChanged();
  virtual void BoundsChanged();
  virtual void ColorChanged();
  void ApplyBounds();

 private:
  friend class TForm;
  friend class ControlEvents;
  void ParentFontChanged(const TFont& formFont);
  void RefreshCursor();
  void RefreshQtFont();

  QWidget* widget_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  std::string hint_;
  TCursor cursor_ = crDefault;
  TFont font_;
  bool parentFont_ = true;
  bool followingParentFont_ = false;
  TColor color_ = clBtnFace;
  int tabOrder_ = 0;

 public:
  // For the layer: re-applies the screen's cursor table to every live control.
  static void RefreshAllCursors();
};

}  // namespace vcl
