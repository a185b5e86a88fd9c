#include "directory_list_box.h"

#include <QListWidget>
#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "drives.h"
#include "qt_bridge.h"

namespace vcl {
namespace fs = std::filesystem;
namespace {

std::string Normal(const std::string& path) {
  std::error_code error;
  fs::path absolute = fs::absolute(fs::path(path), error);
  if (error) absolute = fs::path(path);
  std::string text = absolute.lexically_normal().string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

bool IsFolder(const std::string& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

}  // namespace

TDirectoryListBox::TDirectoryListBox(TForm* parent) : TControl(parent) {
  SetBounds(0, 0, 145, 97);
  auto* list = new QListWidget();
  list->setUniformItemSizes(true);
  AttachWidget(list);
  QObject::connect(list, &QListWidget::itemDoubleClicked, list, [this, list](QListWidgetItem* item) {
    const int row = list->row(item);
    RunGuarded([this, row] { OpenItem(row); });
  });
  std::error_code error;
  const fs::path here = fs::current_path(error);
  SetDirectory(error ? std::string("/") : here.string());
}

void TDirectoryListBox::SetDirectory(const std::string& path) {
  if (path.empty()) return;
  const std::string folder = Normal(path);
  if (!IsFolder(folder)) throw std::runtime_error("Folder \"" + path + "\" does not exist");
  std::vector<std::string> roots;
  for (const auto& drive : CurrentDrives()) roots.push_back(drive.root);
  for (const auto& [root, directory] : directoryOfDrive_) roots.push_back(root);
  const std::string holding = RootHolding(roots, folder);
  const std::string drive = holding.empty() ? std::string(1, '/') : holding;
  directory_ = folder;
  drive_ = drive;
  directoryOfDrive_[drive_] = directory_;
  Refill();
  if (OnChange) OnChange(this);
}

void TDirectoryListBox::SetDrive(const std::string& root) {
  if (root.empty()) throw std::runtime_error("No drive given");
  const std::string drive = Normal(root);
  std::string target = drive;
  if (auto it = directoryOfDrive_.find(drive); it != directoryOfDrive_.end() && IsFolder(it->second))
    target = it->second;
  if (!IsFolder(target)) throw std::runtime_error("Drive \"" + root + "\" is not ready");
  directory_ = target;
  drive_ = drive;
  directoryOfDrive_[drive_] = directory_;
  Refill();
  if (OnChange) OnChange(this);
}

std::string TDirectoryListBox::ItemText(int index) const {
  if (index < 0 || index >= ItemCount()) return {};
  const std::string& path = items_[static_cast<std::size_t>(index)];
  if (path == drive_) return drive_;
  return fs::path(path).filename().string();
}

void TDirectoryListBox::OpenItem(int index) {
  if (index < 0 || index >= ItemCount()) return;
  SetDirectory(items_[static_cast<std::size_t>(index)]);
}

void TDirectoryListBox::SetItemHeight(int itemHeight) {
  itemHeight_ = itemHeight;
  Refill();
}

void TDirectoryListBox::Refill() {
  items_.clear();
  // Ancestors from the drive's root down to the current folder.
  items_.push_back(drive_);
  const std::string below = directory_.size() > drive_.size() ? directory_.substr(drive_.size()) : "";
  std::string walked = drive_ == "/" ? "" : drive_;
  for (const auto& part : fs::path(below).lexically_normal()) {
    const std::string name = part.string();
    if (name.empty() || name == "/") continue;
    walked += "/" + name;
    items_.push_back(walked);
  }
  const int depth = static_cast<int>(items_.size());
  const int current = depth - 1;
  // Then the current folder's sub-folders, hidden ones left out, sorted by name.
  std::vector<std::string> children;
  std::error_code error;
  for (fs::directory_iterator it(directory_, fs::directory_options::skip_permission_denied, error), end;
       !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    std::error_code typeError;
    if (name.empty() || name[0] == '.' || !it->is_directory(typeError) || typeError) continue;
    children.push_back(it->path().string());
  }
  std::sort(children.begin(), children.end());
  items_.insert(items_.end(), children.begin(), children.end());

  auto* list = static_cast<QListWidget*>(Widget());
  list->clear();
  for (int i = 0; i < ItemCount(); ++i) {
    const int indent = i < depth ? i : depth;
    auto* item = new QListWidgetItem(QString(indent * 2, QLatin1Char(' ')) + ToQString(ItemText(i)));
    item->setSizeHint(QSize(0, itemHeight_));
    list->addItem(item);
  }
  list->setCurrentRow(current);
}

}  // namespace vcl
