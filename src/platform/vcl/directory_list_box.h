// The directory list: the current folder's ancestors, from its drive's root down, then its
// sub-folders (hidden ones left out, sorted by name); a double click opens an entry.
// Each drive remembers its own current directory, initially its root.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "control.h"

namespace vcl {

class TDirectoryListBox : public TControl {
 public:
  // Starts in the working directory.
  explicit TDirectoryListBox(TForm* parent);

  // The current directory as an absolute path without a trailing separator ("/" alone
  // for the root).
  const std::string& Directory() const { return directory_; }
  // An empty text leaves the directory unchanged; a folder that does not exist throws
  // std::runtime_error and leaves it unchanged. Relative paths are taken from the
  // working directory.
  void SetDirectory(const std::string& path);

  // The drive (mount root) of the current directory.
  const std::string& Drive() const { return drive_; }
  // Shows `root`'s remembered directory (initially the root itself); throws
  // std::runtime_error when that cannot be shown, leaving everything unchanged.
  void SetDrive(const std::string& root);

  int ItemCount() const { return static_cast<int>(items_.size()); }
  std::string ItemText(int index) const;
  // What a double click on entry i does: opens that folder.
  void OpenItem(int index);

  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int itemHeight);

  // Runs when the directory changes.
  TNotifyEvent OnChange;

 private:
  friend class ControlEvents;
  void Refill();
  std::string directory_;
  std::string drive_;
  std::map<std::string, std::string> directoryOfDrive_;
  std::vector<std::string> items_;       // full paths, as listed
  int itemHeight_ = 16;
};

}  // namespace vcl
