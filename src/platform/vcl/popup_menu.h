// Popup menus. Popup(x, y) opens the menu at a screen position and waits until it closes;
// the chosen item's OnClick then runs. A popup hook (hooks.h) chooses instead.
#pragma once

#include <string>
#include <vector>

#include "component.h"
#include "vcl_types.h"

namespace vcl {

class TPopupMenu;

class TMenuItem : public TObject {
 public:
  // The menu owns its items.
  explicit TMenuItem(TPopupMenu* menu);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) { caption_ = caption; }
  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }

  TNotifyEvent OnClick;
  void Click();

 private:
  std::string caption_;
  std::string name_;
};

class TPopupMenu : public TComponent {
 public:
  explicit TPopupMenu(TForm* owner);
  ~TPopupMenu() override;

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const;
  void Popup(int x, int y);

 private:
  friend class TMenuItem;
  std::vector<TMenuItem*> items_;
};

}  // namespace vcl
