// The drive list: a drop-down of the desktop's drives (drives.h). Its drive is the mount
// root of the selected entry. OnChange runs when the user picks another entry.
#pragma once

#include <string>
#include <vector>

#include "control.h"
#include "drives.h"

namespace vcl {

class TDriveComboBox : public TControl {
 public:
  // Filled from CurrentDrives(); the entry holding the working directory is selected.
  explicit TDriveComboBox(TForm* parent);

  int ItemCount() const { return static_cast<int>(entries_.size()); }
  // The text of entry i; empty when there is no such entry.
  std::string ItemText(int index) const;
  // Removes entry i (nothing when there is no such entry).
  void DeleteItem(int index);
  // Replaces every entry (tests give chosen lists, e.g. one reading "a:").
  void SetItems(std::vector<DriveEntry> entries);

  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);

  // The mount root of the selected entry; empty when nothing is selected.
  std::string Drive() const;
  // Selects the entry whose root holds `path` (a root itself or any path below one);
  // throws std::runtime_error when no entry holds it. Does not run OnChange.
  void SetDrive(const std::string& path);

  TNotifyEvent OnChange;

 private:
  friend class ControlEvents;
  void Fill();
  void UserPicked(int index);
  std::vector<DriveEntry> entries_;
  int itemIndex_ = -1;
  bool filling_ = false;
};

}  // namespace vcl
