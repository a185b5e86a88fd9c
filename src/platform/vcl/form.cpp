#include "form.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <stdexcept>

#include "application.h"
#include "component.h"
#include "desktop_facts.h"
#include "control.h"
#include "hooks.h"
#include "qt_bridge.h"
#include "screen.h"

namespace vcl {

TForm::TForm() {
  EnsureQtApplication();
  widget_ = new FormWidget(this);
  font_.OnChange = [this] {
    if (widget_) widget_->setFont(ToQFont(font_));
    for (TComponent* component : components_)
      if (auto* control = dynamic_cast<TControl*>(component)) control->ParentFontChanged(font_);
  };
  widget_->setFont(ToQFont(font_));
  SetColor(color_);
}

TForm::~TForm() {
  destroying_ = true;
  for (auto it = components_.rbegin(); it != components_.rend(); ++it) delete *it;
  components_.clear();
  delete widget_;
}

QWidget* TForm::Widget() const { return widget_; }

void TForm::AddComponent(TComponent* component) { components_.push_back(component); }

void TForm::RemoveComponent(TComponent* component) {
  components_.erase(std::remove(components_.begin(), components_.end(), component),
                    components_.end());
}

TForm::FrameMetrics TForm::Frame() const {
  switch (borderStyle_) {
    case bsNone: return {0, 0, 0, 0};
    case bsSingle:
    case bsDialog: return {2, 23, 2, 2};
    case bsToolWindow: return {2, 18, 2, 2};
    case bsSizeable:
    case bsSizeToolWin: return {4, 25, 4, 4};
  }
  return {0, 0, 0, 0};
}

void TForm::SetCaption(const std::string& caption) {
  caption_ = caption;
  widget_->setWindowTitle(ToQString(caption));
}

void TForm::SetLeft(int left) { SetBounds(left, top_, width_, height_); }
void TForm::SetTop(int top) { SetBounds(left_, top, width_, height_); }
void TForm::SetWidth(int width) { SetBounds(left_, top_, width, height_); }
void TForm::SetHeight(int height) { SetBounds(left_, top_, width_, height); }

void TForm::SetBounds(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (visible_ && !HasModalHook()) ApplyGeometry();
}

int TForm::ClientWidth() const {
  const auto frame = Frame();
  return width_ - frame.left - frame.right;
}

int TForm::ClientHeight() const {
  const auto frame = Frame();
  return height_ - frame.top - frame.bottom;
}

void TForm::SetClientWidth(int clientWidth) {
  const auto frame = Frame();
  SetWidth(clientWidth + frame.left + frame.right);
}

void TForm::SetClientHeight(int clientHeight) {
  const auto frame = Frame();
  SetHeight(clientHeight + frame.top + frame.bottom);
}

void TForm::SetBorderStyle(TFormBorderStyle borderStyle) {
  borderStyle_ = borderStyle;
  if (visible_) {
    ApplyWindowFlags();
    ApplyGeometry();
  }
}

void TForm::SetBorderIcons(TBorderIcons borderIcons) {
  borderIcons_ = borderIcons;
  if (visible_) ApplyWindowFlags();
}

void TForm::SetPosition(TPosition position) { position_ = position; }

void TForm::SetColor(TColor color) {
  color_ = color;
  QPalette palette = widget_->palette();
  palette.setColor(QPalette::Window, ToQColor(color));
  widget_->setPalette(palette);
}

void TForm::SetIcon(const std::vector<std::span<const std::uint8_t>>& images) {
  QIcon icon;
  for (const auto& bytes : images) {
    QImage image;
    if (image.loadFromData(bytes.data(), static_cast<int>(bytes.size())))
      icon.addPixmap(QPixmap::fromImage(image));
  }
  widget_->setWindowIcon(icon);
}

void TForm::SetModalResult(TModalResult result) {
  modalResult_ = result;
  if (modal_ && result != mrNone && modalLoop_) static_cast<QEventLoop*>(modalLoop_)->quit();
}

void TForm::ApplyGeometry() {
  const auto frame = Frame();
  applyingGeometry_ = true;
  const int clientWidth = std::max(1, width_ - frame.left - frame.right);
  const int clientHeight = std::max(1, height_ - frame.top - frame.bottom);
  widget_->setGeometry(left_ + frame.left, top_ + frame.top, clientWidth, clientHeight);
  if (borderStyle_ == bsSizeable || borderStyle_ == bsSizeToolWin) {
    widget_->setMinimumSize(0, 0);
    widget_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  } else {
    widget_->setFixedSize(clientWidth, clientHeight);
  }
  applyingGeometry_ = false;
}

void TForm::CreateParams(TCreateParams&) {}

void TForm::ApplyWindowFlags() {
  TCreateParams params;
  params.Style = WS_CLIPCHILDREN;
  if (borderStyle_ == bsNone) {
    params.Style |= WS_POPUP;
  } else {
    params.Style |= WS_CAPTION;
    if (borderIcons_ & biSystemMenu) params.Style |= WS_SYSMENU;
    if (borderIcons_ & biMinimize) params.Style |= WS_MINIMIZEBOX;
    if (borderIcons_ & biMaximize) params.Style |= WS_MAXIMIZEBOX;
    if (borderStyle_ == bsSizeable || borderStyle_ == bsSizeToolWin) params.Style |= WS_THICKFRAME;
  }
  CreateParams(params);

  Qt::WindowFlags flags =
      (borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin) ? Qt::Tool : Qt::Window;
  if ((params.Style & WS_CAPTION) == 0) {
    flags |= Qt::FramelessWindowHint;
  } else {
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (params.Style & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (params.Style & WS_MINIMIZEBOX) flags |= Qt::WindowMinimizeButtonHint;
    if (params.Style & WS_MAXIMIZEBOX) flags |= Qt::WindowMaximizeButtonHint;
  }
  if (widget_->windowFlags() != flags) widget_->setWindowFlags(flags);
}

void TForm::RunOnShow() {
  if (OnShow) OnShow(this);
}

bool TForm::RunOnClose() {
  TCloseAction action = caHide;
  if (OnClose) OnClose(this, action);
  return action != caNone;
}

void TForm::WindowMovedTo(int left, int top) {
  left_ = left;
  top_ = top;
}

void TForm::PlaceForFirstShow() {
  if (positioned_) return;
  positioned_ = true;
  if (position_ == poScreenCenter) {
    left_ = (Screen->Width() - width_) / 2;
    top_ = (Screen->Height() - height_) / 2;
  }
}

void TForm::Show() {
  if (visible_) {
    widget_->raise();
    widget_->activateWindow();
    return;
  }
  RunOnShow();
  // A main form closed by its own show handler ends the program before it appears.
  if (Application->MainForm() == this && Application->Terminated()) return;
  PlaceForFirstShow();
  ApplyWindowFlags();
  ApplyGeometry();
  visible_ = true;
  widget_->show();
}

void TForm::Hide() {
  visible_ = false;
  widget_->hide();
}

TModalResult TForm::ShowModal() {
  if (visible_ || modal_) throw std::logic_error("Cannot make a visible window modal");
  modalResult_ = mrNone;
  modal_ = true;
  struct EndModal {
    TForm* form;
    ~EndModal() {
      form->modal_ = false;
      form->modalLoop_ = nullptr;
      form->visible_ = false;
      form->widget_->hide();
    }
  } endModal{this};

  RunOnShow();
  PlaceForFirstShow();

  if (const ModalHook& hook = CurrentModalHook()) {
    visible_ = true;
    TModalResult result = hook(*this);
    if (result == mrNone) result = modalResult_;
    if (result == mrNone) result = mrCancel;
    modalResult_ = result;
    RunOnClose();
    return result;
  }

  ApplyWindowFlags();
  ApplyGeometry();
  widget_->setWindowModality(Qt::ApplicationModal);
  visible_ = true;
  widget_->show();
  widget_->raise();
  widget_->activateWindow();
  QEventLoop loop;
  modalLoop_ = &loop;
  for (;;) {
    if (modalResult_ == mrNone) loop.exec(QEventLoop::DialogExec);
    if (modalResult_ == mrNone) modalResult_ = mrCancel;  // the loop was ended from outside
    if (RunOnClose()) break;
    modalResult_ = mrNone;
  }
  return modalResult_;
}

void TForm::Close() {
  if (modal_) {
    SetModalResult(mrCancel);
    return;
  }
  if (!RunOnClose()) return;
  Hide();
  if (Application->MainForm() == this) Application->Terminate();
}

void TForm::CloseBoxPressed() { Close(); }

void TForm::WndProc(TMessage& message) { DefaultHandler(message); }

void TForm::DefaultHandler(TMessage& message) {
  if (message.Msg == WM_NCHITTEST) message.Result = HTCLIENT;
}

bool TForm::DeliverHitTest() {
  const platform::CursorPosition at = platform::CurrentCursorPosition();
  TMessage message;
  message.Msg = WM_NCHITTEST;
  message.LParam = static_cast<std::intptr_t>((static_cast<std::uint32_t>(at.y & 0xFFFF) << 16) |
                                              static_cast<std::uint32_t>(at.x & 0xFFFF));
  WndProc(message);
  if (message.Result != HTCAPTION) return false;
  // A hidden window (a test's) has nothing to move; the press is taken all the same.
  if (widget_->isVisible()) {
    QWindow* window = widget_->windowHandle();
    if (!(window && window->startSystemMove())) widget_->StartManualMove(QCursor::pos());
  }
  return true;
}

}  // namespace vcl
