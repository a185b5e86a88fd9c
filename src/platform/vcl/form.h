// Forms: top-level windows.
//
// Left, Top, Width and Height are the window's OUTER bounds on the screen and are the
// truth. The client area follows from fixed nominal frame metrics per border style
// (a window manager reports its real frame late or never):
//   bsNone                         no frame
//   bsSingle, bsDialog             2 px left, right and bottom, 23 px top (caption bar)
//   bsToolWindow                   2 px left, right and bottom, 18 px top
//   bsSizeable, bsSizeToolWin      4 px left, right and bottom, 25 px top
// so a bsSingle form 288 x 249 outer has a 284 x 224 client area. Changing the border style
// keeps the outer bounds. Setting ClientWidth / ClientHeight sets Width / Height.
//
// ShowModal() runs OnShow, shows the form and runs a nested event loop until ModalResult
// becomes non-zero (a button with a modal result, Close(), the close box), then runs
// OnClose, hides the form and returns the result. A modal hook (hooks.h) answers the show
// instead, after OnShow has run, without anything being put on the screen.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "font.h"
#include "vcl_types.h"

class QWidget;

namespace vcl {

class TComponent;
class TControl;
class FormWidget;

class TForm : public TObject {
 public:
  TForm();
  ~TForm() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int left);
  void SetTop(int top);
  void SetWidth(int width);
  void SetHeight(int height);
  void SetBounds(int left, int top, int width, int height);

  int ClientWidth() const;
  int ClientHeight() const;
  void SetClientWidth(int clientWidth);
  void SetClientHeight(int clientHeight);

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle borderStyle);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons borderIcons);

  TPosition Position() const { return position_; }
  void SetPosition(TPosition position);

  // Forms are created with "MS Sans Serif", height -11; controls follow it (ParentFont).
  TFont* Font() { return &font_; }
  const TFont* Font() const { return &font_; }
  TColor Color() const { return color_; }
  void SetColor(TColor color);

  // The window icon from encoded images (PNG, BMP, ...) of several sizes.
  void SetIcon(const std::vector<std::span<const std::uint8_t>>& images);

  TModalResult ModalResult() const { return modalResult_; }
  // A non-zero result during a modal show ends it once the current handler returns.
  void SetModalResult(TModalResult result);

  bool Visible() const { return visible_; }
  bool Modal() const { return modal_; }

  TModalResult ShowModal();
  // Shows the form without blocking (OnShow runs first, once per becoming visible).
  void Show();
  void Hide();
  // Modal: ends the show with mrCancel. Otherwise: OnClose, then hides; the main form's
  // close ends the application. OnClose may set the action to caNone to refuse.
  void Close();

  TNotifyEvent OnShow;
  TCloseEvent OnClose;

  // The controls and components the form owns, in creation order.
  const std::vector<TComponent*>& Components() const { return components_; }

  // The Qt widget behind the form (its client area).
  QWidget* Widget() const;

 protected:
  // The style bits the window is created with. The layer fills them from the border
  // style and icons; an override may change them (clearing WS_CAPTION removes the frame).
  virtual void CreateParams(TCreateParams& params);

  // Window messages. The layer sends WM_NCHITTEST (LParam: cursor screen position) for
  // every mouse press on the form or any of its controls; the default answer is HTCLIENT.
  // HTCAPTION starts a window move (the window manager's when it offers one, else the
  // window follows the mouse until release) and the press reaches no control.
  virtual void WndProc(TMessage& message);
  void DefaultHandler(TMessage& message);

 private:
  friend class TComponent;
  friend class TControl;
  friend class FormWidget;
  friend class ControlEvents;
  friend class TApplication;
  friend void PressCloseBox(TForm& form);

  struct FrameMetrics {
    int left, top, right, bottom;
  };
  FrameMetrics Frame() const;
  void AddComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  void ApplyGeometry();
  void ApplyWindowFlags();
  void RunOnShow();
  void PlaceForFirstShow();
  bool RunOnClose();  // false when OnClose refused (caNone)
  bool DeliverHitTest();  // true when the press became a window move
  void WindowMovedTo(int left, int top);
  void CloseBoxPressed();

  FormWidget* widget_ = nullptr;
  std::string caption_;
  int left_ = 0, top_ = 0, width_ = 320, height_ = 240;
  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  TPosition position_ = poDesigned;
  bool positioned_ = false;
  TFont font_;
  TColor color_ = clBtnFace;
  TModalResult modalResult_ = mrNone;
  bool visible_ = false;
  bool modal_ = false;
  bool destroying_ = false;
  bool applyingGeometry_ = false;
  std::vector<TComponent*> components_;
  void* modalLoop_ = nullptr;  // the running nested loop of a modal show
};

}  // namespace vcl
