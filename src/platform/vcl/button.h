// Push buttons. A click hands the button's ModalResult to its form (a non-zero result ends
// the form's modal show once the click has been handled), then runs OnClick. The default
// button is pressed by Enter anywhere in its form; the cancel button by Escape.
#pragma once

#include <string>

#include "control.h"

namespace vcl {

class TButton : public TControl {
 public:
  explicit TButton(TForm* parent);  // 75 x 25

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

  bool Default() const { return default_; }
  void SetDefault(bool isDefault);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool isCancel);

  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult result);

  void Click() override;

 protected:
  void FontChanged() override;

 private:
  std::string caption_;
  bool default_ = false;
  bool cancel_ = false;
  TModalResult modalResult_ = mrNone;
};

}  // namespace vcl
