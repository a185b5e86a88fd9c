#include "popup_menu.h"

#include <QAction>
#include <QMenu>

#include "hooks.h"
#include "qt_bridge.h"

namespace vcl {

TMenuItem::TMenuItem(TPopupMenu* menu) {
  if (menu) menu->items_.push_back(this);
}

void TMenuItem::Click() {
  if (OnClick) OnClick(this);
}

TPopupMenu::TPopupMenu(TForm* owner) : TComponent(owner) {}

TPopupMenu::~TPopupMenu() {
  for (TMenuItem* item : items_) delete item;
}

TMenuItem* TPopupMenu::Items(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return items_[static_cast<std::size_t>(index)];
}

void TPopupMenu::Popup(int x, int y) {
  TMenuItem* chosen = nullptr;
  if (const PopupHook& hook = CurrentPopupHook()) {
    chosen = hook(*this, x, y);
  } else {
    QMenu menu;
    for (TMenuItem* item : items_) {
      QAction* action = menu.addAction(ToQString(item->Caption()));
      action->setData(QVariant::fromValue(static_cast<void*>(item)));
    }
    if (QAction* action = menu.exec(QPoint(x, y)))
      chosen = static_cast<TMenuItem*>(action->data().value<void*>());
  }
  if (chosen) chosen->Click();
}

}  // namespace vcl
