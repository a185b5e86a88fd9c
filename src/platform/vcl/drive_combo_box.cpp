#include "drive_combo_box.h"

#include <QComboBox>
#include <filesystem>
#include <stdexcept>

#include "qt_bridge.h"

namespace vcl {

TDriveComboBox::TDriveComboBox(TForm* parent) : TControl(parent) {
  SetBounds(0, 0, 145, 19);
  auto* box = new QComboBox();
  AttachWidget(box);
  QObject::connect(box, &QComboBox::activated, box,
                   [this](int index) { RunGuarded([this, index] { UserPicked(index); }); });
  entries_ = CurrentDrives();
  Fill();
  std::error_code error;
  const std::string here = std::filesystem::current_path(error).string();
  std::vector<std::string> roots;
  for (const auto& entry : entries_) roots.push_back(entry.root);
  const std::string root = RootHolding(roots, error ? std::string("/") : here);
  for (int i = 0; i < ItemCount(); ++i)
    if (RootHolding({entries_[static_cast<std::size_t>(i)].root}, root) == root && !root.empty()) {
      SetItemIndex(i);
      break;
    }
  if (itemIndex_ < 0 && !entries_.empty()) SetItemIndex(0);
}

std::string TDriveComboBox::ItemText(int index) const {
  if (index < 0 || index >= ItemCount()) return {};
  return entries_[static_cast<std::size_t>(index)].text;
}

void TDriveComboBox::DeleteItem(int index) {
  if (index < 0 || index >= ItemCount()) return;
  entries_.erase(entries_.begin() + index);
  if (itemIndex_ == index) itemIndex_ = entries_.empty() ? -1 : 0;
  else if (itemIndex_ > index) --itemIndex_;
  Fill();
}

void TDriveComboBox::SetItems(std::vector<DriveEntry> entries) {
  entries_ = std::move(entries);
  itemIndex_ = entries_.empty() ? -1 : 0;
  Fill();
}

void TDriveComboBox::SetItemIndex(int index) {
  itemIndex_ = (index >= 0 && index < ItemCount()) ? index : -1;
  filling_ = true;
  static_cast<QComboBox*>(Widget())->setCurrentIndex(itemIndex_);
  filling_ = false;
}

std::string TDriveComboBox::Drive() const {
  if (itemIndex_ < 0) return {};
  return entries_[static_cast<std::size_t>(itemIndex_)].root;
}

void TDriveComboBox::SetDrive(const std::string& path) {
  std::vector<std::string> roots;
  for (const auto& entry : entries_) roots.push_back(entry.root);
  const std::string root = RootHolding(roots, path);
  if (root.empty()) throw std::runtime_error("No drive holds \"" + path + "\"");
  for (int i = 0; i < ItemCount(); ++i)
    if (RootHolding({entries_[static_cast<std::size_t>(i)].root}, root) == root) {
      SetItemIndex(i);
      return;
    }
}

void TDriveComboBox::Fill() {
  auto* box = static_cast<QComboBox*>(Widget());
  filling_ = true;
  box->clear();
  for (const auto& entry : entries_) box->addItem(ToQString(entry.text));
  box->setCurrentIndex(itemIndex_);
  filling_ = false;
}

void TDriveComboBox::UserPicked(int index) {
  if (filling_ || index == itemIndex_) return;
  SetItemIndex(index);
  if (OnChange) OnChange(this);
}

}  // namespace vcl
