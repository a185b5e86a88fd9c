// The .deb: built by CPack from this build, it holds both programs, the samples, the
// manual pages, the menu entry and the icon in the usual places, declares what it needs,
// and the programs it unpacks work.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Output {
  int status;
  std::string text;
};

Output Shell(const std::string& command) {
  Output result{-1, {}};
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return result;
  std::array<char, 4096> buffer{};
  while (std::size_t got = fread(buffer.data(), 1, buffer.size(), pipe)) result.text.append(buffer.data(), got);
  int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class PackageTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string pattern = (fs::temp_directory_path() / "lumpforge-package-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    work_ = new fs::path(pattern);
    // Built by the test packaging.build_deb (ctest runs it first).
    std::error_code missing;
    for (const auto& entry : fs::directory_iterator(LUMPFORGE_PACKAGE_DIR, missing)) {
      if (entry.path().extension() == ".deb") deb_ = new std::string(entry.path().string());
    }
  }
  static void TearDownTestSuite() {
    std::error_code ignored;
    if (work_) fs::remove_all(*work_, ignored);
    delete work_;
    delete deb_;
    work_ = nullptr;
    deb_ = nullptr;
  }
  void SetUp() override {
    if (!deb_) GTEST_SKIP() << "no package in " LUMPFORGE_PACKAGE_DIR ": run the test packaging.build_deb first";
  }
  static fs::path* work_;
  static std::string* deb_;
};

fs::path* PackageTest::work_ = nullptr;
std::string* PackageTest::deb_ = nullptr;

TEST_F(PackageTest, HoldsEveryFileInItsUsualPlace) {
  Output listing = Shell("dpkg-deb -c '" + *deb_ + "'");
  ASSERT_EQ(listing.status, 0) << listing.text;
  std::vector<std::string> expected = {
      "./usr/bin/lumpforge-cli",
      "./usr/share/man/man1/lumpforge-cli.1.gz",
      "./usr/share/doc/lumpforge/copyright",
  };
  for (const char* sample : {"lambda.bmp", "lambda64.bmp", "lambda32.bmp", "paused.bmp", "conchars.bmp", "conchars.txt",
                             "creditsfont.bmp", "creditsfont.txt", "backtile.bmp"}) {
    expected.push_back(std::string("./usr/share/lumpforge/samples/") + sample);
  }
  if (LUMPFORGE_HAS_GUI) {
    expected.insert(expected.end(), {"./usr/bin/lumpforge", "./usr/share/man/man1/lumpforge.1.gz",
                                     "./usr/share/applications/lumpforge.desktop",
                                     "./usr/share/icons/hicolor/16x16/apps/lumpforge.png",
                                     "./usr/share/icons/hicolor/32x32/apps/lumpforge.png"});
  }
  for (const std::string& path : expected) EXPECT_TRUE(Contains(listing.text, " " + path + "\n")) << path;
  EXPECT_FALSE(Contains(listing.text, "gfx.wad"));
  EXPECT_FALSE(Contains(listing.text, "/include/"));
}

TEST_F(PackageTest, DeclaresItsNameVersionAndDependencies) {
  Output fields = Shell("dpkg-deb -f '" + *deb_ + "' Package Version Architecture Depends Section");
  ASSERT_EQ(fields.status, 0) << fields.text;
  EXPECT_TRUE(Contains(fields.text, "Package: lumpforge\n")) << fields.text;
  EXPECT_TRUE(Contains(fields.text, "Version: " LUMPFORGE_VERSION_TEXT "\n")) << fields.text;
  EXPECT_TRUE(Contains(fields.text, "Section: graphics\n")) << fields.text;
  // Found by dpkg-shlibdeps from the programs themselves.
  EXPECT_TRUE(Contains(fields.text, "libc6")) << fields.text;
  EXPECT_TRUE(Contains(fields.text, "libstdc++6")) << fields.text;
  if (LUMPFORGE_HAS_GUI) {
    EXPECT_TRUE(Contains(fields.text, "libqt6widgets6")) << fields.text;
    EXPECT_TRUE(Contains(fields.text, "libsqlite3-0")) << fields.text;
    EXPECT_TRUE(Contains(fields.text, "fonts-liberation")) << fields.text;
  }
}

TEST_F(PackageTest, UnpackedProgramsCompileTheShippedSamples) {
  const fs::path root = *work_ / "root";
  Output unpacked = Shell("dpkg-deb -x '" + *deb_ + "' '" + root.string() + "'");
  ASSERT_EQ(unpacked.status, 0) << unpacked.text;
  const std::string cli = (root / "usr/bin/lumpforge-cli").string();
  Output version = Shell("'" + cli + "' --version");
  EXPECT_EQ(version.text, "lumpforge-cli " LUMPFORGE_VERSION_TEXT "\n");
  const std::string wad = (*work_ / "gfx.wad").string();
  Output compiled = Shell("'" + cli + "' compile '" + (root / "usr/share/lumpforge/samples").string() + "' -o '" + wad + "'");
  EXPECT_EQ(compiled.status, 0) << compiled.text;
  Output inspected = Shell("'" + cli + "' inspect '" + wad + "'");
  EXPECT_EQ(inspected.status, 0) << inspected.text;

  if (LUMPFORGE_HAS_GUI) {
    const fs::path entry = root / "usr/share/applications/lumpforge.desktop";
    Output desktop = Shell("cat '" + entry.string() + "'");
    EXPECT_TRUE(Contains(desktop.text, "\nName=Lumpforge Compiler\n"));
    EXPECT_TRUE(Contains(desktop.text, "\nExec=lumpforge\n"));
    EXPECT_TRUE(Contains(desktop.text, "\nIcon=lumpforge\n"));
    if (Shell("command -v desktop-file-validate").status == 0) {
      Output valid = Shell("desktop-file-validate '" + entry.string() + "'");
      EXPECT_EQ(valid.status, 0) << valid.text;
    }
  }
}

// A clean Debian 12 machine: apt plans the installation against an empty package
// database, so every dependency must resolve from the archive alone.
TEST_F(PackageTest, InstallsOnAnEmptySystemWithItsDependenciesFromTheArchive) {
  if (Shell("apt-cache policy libc6 | grep -q 'Candidate: [0-9]'").status != 0) {
    GTEST_SKIP() << "apt has no package lists here (run apt-get update)";
  }
  const std::string emptyStatus = (*work_ / "empty-status").string();
  Shell("touch '" + emptyStatus + "'");
  Output plan = Shell("apt-get install --simulate --no-install-recommends -o Dir::State::status='" + emptyStatus +
                      "' '" + *deb_ + "'");
  ASSERT_EQ(plan.status, 0) << plan.text;
  EXPECT_TRUE(Contains(plan.text, "\nInst lumpforge (" LUMPFORGE_VERSION_TEXT)) << plan.text;
  EXPECT_TRUE(Contains(plan.text, "\nInst libc6 ")) << "planned against a system that has nothing yet";
  if (LUMPFORGE_HAS_GUI) {
    EXPECT_TRUE(Contains(plan.text, "\nInst libqt6widgets6 ")) << plan.text;
  }
}

}  // namespace
