// The drive list and the directory list.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "directory_list_box.h"
#include "drive_combo_box.h"
#include "drives.h"
#include "form.h"
#include "user_input.h"

namespace {

namespace fs = std::filesystem;

// A mount table as a container on a desktop shows it: the real root, kernel views,
// memory filesystems, a snap on a loop device, a bind mount, a second mount of the same
// disk, a labelled disk, a network share and a mount point with a blank in it.
const char kMountInfo[] =
    "22 1 0:21 / / rw,relatime - overlay overlay rw,lowerdir=/l\n"
    "23 22 0:22 / /proc rw,nosuid - proc proc rw\n"
    "24 22 0:23 / /sys ro - sysfs sysfs ro\n"
    "25 22 0:24 / /dev rw - tmpfs tmpfs rw\n"
    "26 25 0:25 / /dev/pts rw - devpts devpts rw\n"
    "27 22 0:26 / /sys/fs/cgroup ro - cgroup2 cgroup rw\n"
    "28 22 7:3 / /snap/core/100 ro - squashfs /dev/loop3 ro\n"
    "29 22 8:1 /home/me/work /work rw - ext4 /dev/sda1 rw\n"
    "30 22 8:2 / /home rw shared:1 - ext4 /dev/sda2 rw\n"
    "31 22 8:2 / /mnt/again rw - ext4 /dev/sda2 rw\n"
    "32 22 8:17 / /media/me/USB\\040STICK rw - vfat /dev/sdb1 rw\n"
    "33 22 0:50 / /net/share rw - nfs4 server:/export rw\n"
    "34 22 0:27 / /run rw - tmpfs tmpfs rw\n";

TEST(Drives, MountTableGivesTheRealFilesystemsOnce) {
  const auto drives = vcl::DrivesFromMountInfo(kMountInfo, [](const std::string& device) {
    return device == "/dev/sdb1" ? std::string("USB STICK") : std::string();
  });
  std::vector<std::string> texts, roots;
  for (const auto& drive : drives) {
    texts.push_back(drive.text);
    roots.push_back(drive.root);
  }
  EXPECT_EQ(roots, (std::vector<std::string>{"/", "/home", "/media/me/USB STICK", "/net/share"}));
  EXPECT_EQ(texts, (std::vector<std::string>{"/ overlay", "/home sda2", "/media/me/USB STICK USB STICK",
                                             "/net/share server:/export"}));
}

TEST(Drives, LaterMountOnTheSamePointHidesTheEarlierOne) {
  const auto drives = vcl::DrivesFromMountInfo(
      "22 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
      "40 22 8:2 / /data rw - ext4 /dev/sda2 rw\n"
      "41 22 8:3 / /data rw - xfs /dev/sda3 rw\n"
      "garbage line\n",
      {});
  ASSERT_EQ(drives.size(), 2u);
  EXPECT_EQ(drives[1].text, "/data sda3");
}

TEST(Drives, RootHoldingAPathIsTheLongestWholeComponentPrefix) {
  const std::vector<std::string> roots = {"/", "/home", "/media/me/USB STICK"};
  struct Case {
    const char* path;
    const char* root;
  };
  const Case cases[] = {{"/home/me/gfx", "/home"},  {"/home", "/home"},
                        {"/homework", "/"},        {"/media/me/USB STICK/a", "/media/me/USB STICK"},
                        {"/", "/"},                {"relative/path", ""},
                        {"", ""}};
  for (const Case& c : cases) EXPECT_EQ(vcl::RootHolding(roots, c.path), c.root) << c.path;
}

TEST(DriveComboBox, ChosenEntriesCanBeReadRemovedAndSelectedByPath) {
  vcl::TForm form;
  auto* box = new vcl::TDriveComboBox(&form);
  box->SetItems({{"a:", "/tmp/floppy"}, {"/ root", "/"}, {"/home sda2", "/home"}});
  EXPECT_EQ(box->ItemCount(), 3);
  EXPECT_EQ(box->ItemText(0), "a:");
  EXPECT_EQ(box->ItemText(7), "");

  box->DeleteItem(0);
  EXPECT_EQ(box->ItemText(0), "/ root");
  EXPECT_EQ(box->ItemCount(), 2);

  box->SetDrive("/home/me/gfx");
  EXPECT_EQ(box->Drive(), "/home");
  box->SetDrive("/");
  EXPECT_EQ(box->Drive(), "/");
  EXPECT_THROW(box->SetDrive(""), std::runtime_error);
  EXPECT_EQ(box->Drive(), "/");
}

TEST(DriveComboBox, OnlyAUsersPickRunsOnChange) {
  vcl::TForm form;
  auto* box = new vcl::TDriveComboBox(&form);
  box->SetItems({{"/ root", "/"}, {"/home sda2", "/home"}});
  int changes = 0;
  box->OnChange = [&](vcl::TObject*) { ++changes; };
  box->SetDrive("/home");
  EXPECT_EQ(changes, 0);
  vcl::PickDrive(*box, 0);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(box->Drive(), "/");
  vcl::PickDrive(*box, 0);  // the same entry again is no change
  EXPECT_EQ(changes, 1);
}

class DirectoryListBoxTest : public testing::Test {
 protected:
  void SetUp() override {
    base = fs::temp_directory_path() /
           ("vcl_dirs_" + std::to_string(::getpid()) + "_" +
            testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(base);
    for (const char* sub : {"gfx/zeta", "gfx/alpha", "gfx/.hidden", "other"})
      fs::create_directories(base / sub);
    std::ofstream(base / "gfx" / "lambda.bmp") << "not a folder";
  }
  void TearDown() override { fs::remove_all(base); }
  fs::path base;
};

TEST_F(DirectoryListBoxTest, ShowsAncestorsThenSortedVisibleSubFolders) {
  vcl::TForm form;
  auto* list = new vcl::TDirectoryListBox(&form);
  list->SetDirectory((base / "gfx/").string());
  EXPECT_EQ(list->Directory(), (base / "gfx").string());

  std::vector<std::string> texts;
  for (int i = 0; i < list->ItemCount(); ++i) texts.push_back(list->ItemText(i));
  ASSERT_GE(texts.size(), 4u);
  EXPECT_EQ(texts.front(), list->Drive());
  const std::vector<std::string> tail(texts.end() - 4, texts.end());
  EXPECT_EQ(tail, (std::vector<std::string>{base.filename().string(), "gfx", "alpha", "zeta"}));

  // A double click on a sub-folder opens it, one on an ancestor goes back up.
  vcl::DoubleClickDirectory(*list, list->ItemCount() - 1);
  EXPECT_EQ(list->Directory(), (base / "gfx" / "zeta").string());
  vcl::DoubleClickDirectory(*list, list->ItemCount() - 3);
  EXPECT_EQ(list->Directory(), base.string());
}

TEST_F(DirectoryListBoxTest, EmptyTextKeepsAndMissingFolderThrowsKeepingTheDirectory) {
  vcl::TForm form;
  auto* list = new vcl::TDirectoryListBox(&form);
  list->SetDirectory(base.string());
  list->SetDirectory("");
  EXPECT_EQ(list->Directory(), base.string());
  EXPECT_THROW(list->SetDirectory((base / "missing").string()), std::runtime_error);
  EXPECT_THROW(list->SetDirectory((base / "gfx" / "lambda.bmp").string()), std::runtime_error);
  EXPECT_EQ(list->Directory(), base.string());
}

TEST_F(DirectoryListBoxTest, EachDriveRemembersItsOwnDirectory) {
  vcl::TForm form;
  auto* list = new vcl::TDirectoryListBox(&form);
  const std::string floppy = (base / "other").string();
  list->SetDrive(floppy);
  EXPECT_EQ(list->Directory(), floppy);  // first visit: the drive's root
  EXPECT_EQ(list->Drive(), floppy);

  list->SetDirectory((base / "gfx" / "alpha").string());
  const std::string elsewhere = list->Drive();
  list->SetDrive(floppy);
  EXPECT_EQ(list->Directory(), floppy);
  list->SetDrive(elsewhere);
  EXPECT_EQ(list->Directory(), (base / "gfx" / "alpha").string());

  EXPECT_THROW(list->SetDrive((base / "no-such-drive").string()), std::runtime_error);
  EXPECT_EQ(list->Directory(), (base / "gfx" / "alpha").string());
}

}  // namespace
