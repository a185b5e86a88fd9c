#include "forms_test_support.h"

#include <stdlib.h>

#include "desktop_facts.h"
#include "drives.h"
#include "registry.h"

namespace forms_test {
namespace {

// Qt once per test program; the forms are made fresh for every test.
class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    vcl::Application->Initialize();
    vcl::Application->SetTitle("Lumpforge Compiler");
  }
};
const auto* const kQt = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

void FormsTest::SetUp() {
  std::string pattern = (fs::temp_directory_path() / "lumpforge-forms-XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  root_ = pattern;
  fs::create_directories(root_ / "config");
  fs::create_directories(root_ / "data");
  setenv("XDG_CONFIG_HOME", (root_ / "config").c_str(), 1);
  setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
  setenv("HOME", root_.c_str(), 1);

  platform::SetDesktopFactsProvider([this] {
    platform::DesktopFacts facts;
    facts.logicalDpi = pixelsPerInch_;
    facts.colourDepth = colourDepth_;
    return facts;
  });
  vcl::SetDriveListProvider([] { return std::vector<vcl::DriveEntry>{{"/ system", "/"}}; });

  shows.clear();
  reports.clear();
  answer = [](vcl::TForm&) { return vcl::mrCancel; };
  vcl::SetModalHook([this](vcl::TForm& form) -> vcl::TModalResult {
    ModalShow show;
    show.form = &form;
    show.caption = form.Caption();
    show.left = form.Left();
    show.top = form.Top();
    show.width = form.Width();
    show.height = form.Height();
    if (&form == Form1) {
      show.text = Form1->Label1->Caption();
      show.labelLeft = Form1->Label1->Left();
      show.labelTop = Form1->Label1->Top();
      show.labelWidth = Form1->Label1->Width();
      show.labelHeight = Form1->Label1->Height();
      show.buttonLeft = Form1->Button1->Left();
      show.buttonTop = Form1->Button1->Top();
    }
    shows.push_back(show);
    if (&form == Form1) return vcl::mrOk;
    return answer(form);
  });
  vcl::SetMessageBoxHook([this](const vcl::MessageBoxRequest& request) { reports.push_back(request); });
  vcl::SetPopupHook([](vcl::TPopupMenu&, int, int) -> vcl::TMenuItem* { return nullptr; });

  form2 = new RecordingForm2();
  Form2 = form2;
  Form1 = new TForm1();
  Form3 = new TForm3();
  Form4 = new TForm4();
}

void FormsTest::TearDown() {
  delete Form4;
  delete Form3;
  delete Form1;
  delete Form2;
  Form4 = nullptr;
  Form3 = nullptr;
  Form1 = nullptr;
  Form2 = nullptr;
  form2 = nullptr;
  vcl::SetModalHook({});
  vcl::SetMessageBoxHook({});
  vcl::SetPopupHook({});
  vcl::SetDriveListProvider({});
  platform::SetCursorPositionProvider({});
  std::error_code error;
  fs::remove_all(root_, error);
}

void FormsTest::SetDisplay(int pixelsPerInch, int colourDepth) {
  pixelsPerInch_ = pixelsPerInch;
  colourDepth_ = colourDepth;
}

void FormsTest::ShowMainWindow() { form2->FormShow(form2); }

std::string FormsTest::StoredLastOpened() {
  platform::TRegistry registry;
  registry.RootKey = platform::HKEY_LOCAL_MACHINE;
  if (!registry.OpenKey("SOFTWARE\\Quillmere\\Lumpforge", false)) return "<no key>";
  if (!registry.ValueExists("LastOpened")) return "<no value>";
  return registry.ReadString("LastOpened");
}

void FormsTest::StoreLastOpened(const std::string& folder) {
  platform::TRegistry registry;
  registry.RootKey = platform::HKEY_LOCAL_MACHINE;
  ASSERT_TRUE(registry.OpenKey("SOFTWARE\\Quillmere\\Lumpforge", true));
  registry.WriteString("LastOpened", folder);
}

fs::path FormsTest::MakeFolder(const std::string& name) {
  const fs::path folder = root_ / name;
  fs::create_directories(folder);
  return folder;
}

fs::path FormsTest::MakeSampleFolder(const std::string& name) {
  const fs::path folder = MakeFolder(name);
  for (const auto& entry : fs::directory_iterator(LUMPFORGE_TEST_SAMPLES)) {
    if (entry.is_regular_file() && entry.path().filename() != "gfx.wad")
      fs::copy_file(entry.path(), folder / entry.path().filename());
  }
  return folder;
}

}  // namespace forms_test
