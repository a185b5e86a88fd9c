// The remembered folder: read at show, written at close only when it changed, and the
// maker key written at every start.
#include "forms_test_support.h"
#include "registry.h"

namespace forms_test {
namespace {

class SavedSettingsTest : public FormsTest {
 protected:
  // Shows the main window over a store remembering `remembered`, then overwrites the
  // stored value behind the window's back: a close that writes is then visible.
  void StartWith(const fs::path& remembered) {
    StoreLastOpened(remembered.string());
    ShowMainWindow();
    StoreLastOpened("untouched");
  }
  void CompileIn(const fs::path& folder) {
    Form4->DirectoryListBox1->SetDirectory(folder.string());
    Form4->Button1Click(Form4->Button1);
  }
  void Close() {
    vcl::TCloseAction action = vcl::caFree;
    form2->FormClose(form2, action);
  }
};

TEST_F(SavedSettingsTest, NothingIsWrittenWhenTheFolderDidNotChange) {
  const fs::path inputs = MakeSampleFolder("inputs");
  const std::vector<std::pair<const char*, std::function<void()>>> runs = {
      {"no compile", [] {}},
      {"compile in the remembered folder", [&] { CompileIn(inputs); }},
  };
  for (const auto& [name, run] : runs) {
    SCOPED_TRACE(name);
    StartWith(inputs);
    run();
    Close();
    EXPECT_EQ(StoredLastOpened(), "untouched");
  }
}

TEST_F(SavedSettingsTest, ChangedFolderIsWrittenAtClose) {
  const fs::path inputs = MakeSampleFolder("inputs");
  const fs::path empty = MakeFolder("empty");            // the compile stops at the checks
  const fs::path otherCase = MakeSampleFolder("Inputs");  // differs only in letter case
  const fs::path second = MakeSampleFolder("second");
  struct Case {
    const char* name;
    std::vector<fs::path> compiles;
    fs::path saved;
  };
  const Case cases[] = {
      {"a compile that stopped at the checks", {empty}, empty},
      {"a folder differing only in case", {otherCase}, otherCase},
      {"two compiles: the second counts", {empty, second}, second},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    StartWith(inputs);
    for (const fs::path& folder : c.compiles) CompileIn(folder);
    Close();
    EXPECT_EQ(StoredLastOpened(), c.saved.string());
    EXPECT_EQ(form2->SavedFolder, c.saved.string());
  }
}

TEST_F(SavedSettingsTest, MakerKeyIsWrittenAtEveryStart) {
  for (int start = 0; start < 2; ++start) {
    {
      platform::TRegistry registry;
      registry.RootKey = platform::HKEY_LOCAL_MACHINE;
      if (registry.OpenKey("SOFTWARE\\Quillmere", false)) {
        for (const std::string& name : registry.GetValueNames()) registry.WriteString(name, "stale");
      }
    }
    ShowMainWindow();
    platform::TRegistry registry;
    registry.RootKey = platform::HKEY_LOCAL_MACHINE;
    ASSERT_TRUE(registry.OpenKey("SOFTWARE\\Quillmere", false));
    const std::vector<std::string> names = registry.GetValueNames();
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(registry.ReadString(names[0]), "http://www.quillmere.example/lumpforge");
  }
}

TEST_F(SavedSettingsTest, UnreadableStoreMeansNothingRememberedAndNothingLost) {
  // A store that is not a database is read as empty and never written.
  const fs::path store = Root() / "config" / "lumpforge" / "registry.db";
  fs::create_directories(store.parent_path());
  { std::ofstream(store) << "not a database"; }
  ShowMainWindow();
  EXPECT_EQ(form2->SavedFolder, "");
  form2->Folder = MakeFolder("chosen").string();
  Close();
  std::ifstream in(store);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text, "not a database");
}

}  // namespace
}  // namespace forms_test
