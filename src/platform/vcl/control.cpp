#include "control.h"

#include <QWidget>
#include <algorithm>
#include <vector>

#include "form.h"
#include "qt_bridge.h"

namespace vcl {
namespace {

std::vector<TControl*>& LiveControls() {
  static std::vector<TControl*> controls;
  return controls;
}

}  // namespace

TControl::TControl(TForm* parent) : TComponent(parent) {
  if (parent) {
    font_.Assign(*parent->Font());
    color_ = parent->Color();
  }
  font_.OnChange = [this] {
    if (!followingParentFont_) parentFont_ = false;
    RefreshQtFont();
    if (widget_) FontChanged();
  };
  LiveControls().push_back(this);
}

TControl::~TControl() {
  auto& controls = LiveControls();
  controls.erase(std::remove(controls.begin(), controls.end(), this), controls.end());
  delete widget_;
}

void TControl::AttachWidget(QWidget* widget, bool windowless) {
  widget_ = widget;
  if (Parent()) widget_->setParent(Parent()->Widget());
  // The filter is the widget's child, so it goes when the widget goes.
  auto* events = new ControlEvents(this, windowless);
  events->setParent(widget_);
  widget_->installEventFilter(events);
  widget_->setFocusPolicy(windowless ? Qt::NoFocus : Qt::StrongFocus);
  RefreshQtFont();
  RefreshCursor();
  ApplyBounds();
  widget_->setVisible(visible_);
  widget_->raise();
}

void TControl::ApplyBounds() {
  if (widget_) widget_->setGeometry(left_, top_, std::max(width_, 0), std::max(height_, 0));
}

void TControl::SetLeft(int left) { SetBounds(left, top_, width_, height_); }
void TControl::SetTop(int top) { SetBounds(left_, top, width_, height_); }
void TControl::SetWidth(int width) { SetBounds(left_, top_, width, height_); }
void TControl::SetHeight(int height) { SetBounds(left_, top_, width_, height); }

void TControl::SetBounds(int left, int top, int width, int height) {
  const bool resized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  ApplyBounds();
  if (resized && widget_) BoundsChanged();
}

void TControl::SetVisible(bool visible) {
  visible_ = visible;
  if (widget_) widget_->setVisible(visible);
}

void TControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (widget_) widget_->setEnabled(enabled);
}

void TControl::SetHint(const std::string& hint) {
  hint_ = hint;
  if (widget_) widget_->setToolTip(ToQString(hint));
}

void TControl::SetCursor(TCursor cursor) {
  cursor_ = cursor;
  RefreshCursor();
}

void TControl::RefreshCursor() {
  if (!widget_) return;
  if (cursor_ == crDefault)
    widget_->unsetCursor();
  else
    widget_->setCursor(QtCursorFor(cursor_));
}

void TControl::RefreshAllCursors() {
  for (TControl* control : LiveControls()) control->RefreshCursor();
}

void TControl::SetParentFont(bool parentFont) {
  parentFont_ = parentFont;
  if (parentFont && Parent()) ParentFontChanged(*Parent()->Font());
}

void TControl::ParentFontChanged(const TFont& formFont) {
  if (!parentFont_) return;
  followingParentFont_ = true;
  font_.Assign(formFont);
  followingParentFont_ = false;
}

void TControl::RefreshQtFont() {
  if (!widget_) return;
  widget_->setFont(ToQFont(font_));
  QPalette palette = widget_->palette();
  palette.setColor(QPalette::WindowText, ToQColor(font_.Color()));
  palette.setColor(QPalette::ButtonText, ToQColor(font_.Color()));
  palette.setColor(QPalette::Text, ToQColor(font_.Color()));
  widget_->setPalette(palette);
  widget_->update();
}

void TControl::SetColor(TColor color) {
  color_ = color;
  if (widget_) ColorChanged();
}

void TControl::SetTabOrder(int tabOrder) { tabOrder_ = tabOrder; }

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::FontChanged() {}
void TControl::BoundsChanged() {}
void TControl::ColorChanged() {
  if (widget_) widget_->update();
}

}  // namespace vcl
