// The user's copy of the bundled samples: made once, complete or not at all, never
// overwritten.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "first_run_samples.h"

namespace {

namespace fs = std::filesystem;

class FirstRunSamplesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "lumpforge-samples-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    bundled_ = root_ / "bundled";
    fs::create_directories(bundled_ / "subfolder");
    for (const char* name : {"lambda.bmp", "conchars.txt"}) std::ofstream(bundled_ / name) << name;
    std::ofstream(bundled_ / "gfx.wad") << "compiled";
    fs::permissions(bundled_ / "lambda.bmp", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  }
  void TearDown() override {
    std::error_code error;
    fs::remove_all(root_, error);
  }
  static std::string Read(const fs::path& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  fs::path root_, bundled_;
};

TEST_F(FirstRunSamplesTest, CopiesTheInputsOnceAsTheUsersOwn) {
  const fs::path target = root_ / "data" / "lumpforge" / "samples";
  ASSERT_EQ(lumpforge::ProvideUserSamples(bundled_.string(), target.string()), target.string());
  EXPECT_EQ(Read(target / "lambda.bmp"), "lambda.bmp");
  EXPECT_EQ(Read(target / "conchars.txt"), "conchars.txt");
  EXPECT_FALSE(fs::exists(target / "gfx.wad"));
  EXPECT_FALSE(fs::exists(target / "subfolder"));
  EXPECT_NE(fs::status(target / "lambda.bmp").permissions() & fs::perms::owner_write, fs::perms::none);
  // Nothing is left beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator(target.parent_path()), fs::directory_iterator()), 1);

  // The user edits the copy; a later start keeps the edit.
  std::ofstream(target / "lambda.bmp") << "edited";
  fs::remove(target / "conchars.txt");
  ASSERT_EQ(lumpforge::ProvideUserSamples(bundled_.string(), target.string()), target.string());
  EXPECT_EQ(Read(target / "lambda.bmp"), "edited");
  EXPECT_FALSE(fs::exists(target / "conchars.txt"));
}

TEST_F(FirstRunSamplesTest, GivesNothingWhenNoFolderCanBeHad) {
  const fs::path target = root_ / "data" / "samples";
  EXPECT_EQ(lumpforge::ProvideUserSamples((root_ / "absent").string(), target.string()), "");
  EXPECT_FALSE(fs::exists(target));

  std::ofstream(root_ / "file") << "in the way";
  EXPECT_EQ(lumpforge::ProvideUserSamples(bundled_.string(), (root_ / "file").string()), "");
  EXPECT_EQ(Read(root_ / "file"), "in the way");
}

TEST(UserSamplesFolder, FollowsTheDataHomeAndFallsBackToHome) {
  const char* oldData = std::getenv("XDG_DATA_HOME");
  const char* oldHome = std::getenv("HOME");
  const std::string savedData = oldData ? oldData : "", savedHome = oldHome ? oldHome : "";
  setenv("HOME", "/home/someone", 1);
  setenv("XDG_DATA_HOME", "/data/place", 1);
  EXPECT_EQ(lumpforge::UserSamplesFolder(), "/data/place/lumpforge/samples");
  setenv("XDG_DATA_HOME", "relative/place", 1);  // not absolute: ignored
  EXPECT_EQ(lumpforge::UserSamplesFolder(), "/home/someone/.local/share/lumpforge/samples");
  unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(lumpforge::UserSamplesFolder(), "/home/someone/.local/share/lumpforge/samples");
  if (oldData) setenv("XDG_DATA_HOME", savedData.c_str(), 1);
  if (oldHome) setenv("HOME", savedHome.c_str(), 1);
}

TEST(BundledSamplesFolder, FindsTheSamplesTheProgramWasBuiltWith) {
  EXPECT_EQ(fs::path(lumpforge::BundledSamplesFolder()), fs::path(LUMPFORGE_TEST_SAMPLES));
}

}  // namespace
