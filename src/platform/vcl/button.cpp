#include "button.h"

#include <QPushButton>

#include "form.h"
#include "qt_bridge.h"

namespace vcl {

TButton::TButton(TForm* parent) : TControl(parent) {
  SetBounds(0, 0, 75, 25);
  auto* button = new QPushButton();
  button->setAutoDefault(false);
  AttachWidget(button);
  QObject::connect(button, &QPushButton::clicked, button, [this] { RunGuarded([this] { Click(); }); });
}

void TButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  static_cast<QPushButton*>(Widget())->setText(ToQString(caption));
}

void TButton::SetDefault(bool isDefault) {
  default_ = isDefault;
  static_cast<QPushButton*>(Widget())->setDefault(isDefault);
}

void TButton::SetCancel(bool isCancel) { cancel_ = isCancel; }

void TButton::SetModalResult(TModalResult result) { modalResult_ = result; }

void TButton::Click() {
  if (Parent()) Parent()->SetModalResult(modalResult_);
  TControl::Click();
}

void TButton::FontChanged() {}

}  // namespace vcl
