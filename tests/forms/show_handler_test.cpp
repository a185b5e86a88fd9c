// The main window's show handler: its steps in order, the font scale from the live pixels
// per inch, the 256-colour warning and the first run's samples folder.
#include "forms_test_support.h"
#include "registry.h"

namespace forms_test {
namespace {

bool MakerKeyWritten() {
  platform::TRegistry registry;
  registry.RootKey = platform::HKEY_LOCAL_MACHINE;
  if (!registry.OpenKey("SOFTWARE\\Quillmere", false)) return false;
  return !registry.GetValueNames().empty();
}

TEST_F(FormsTest, WarningComesAfterLayoutAndScaleAndBeforeTheSettings) {
  SetDisplay(120, 8);
  const fs::path remembered = MakeFolder("remembered");
  StoreLastOpened(remembered.string());

  bool sawWarning = false;
  vcl::SetModalHook([&](vcl::TForm& form) -> vcl::TModalResult {
    EXPECT_EQ(&form, Form1);
    sawWarning = true;
    // Everything before the colour-depth probe has run...
    EXPECT_TRUE(vcl::Screen->Cursors.Has(vcl::crHand));
    EXPECT_EQ(form2->Label6->Caption(), "lambda.bmp \nlambda32.bmp \nlambda64.bmp \npaused.bmp");
    EXPECT_EQ(form2->OsKind, "NT");
    EXPECT_EQ(form2->Width(), 340);
    EXPECT_EQ(form2->FontScale, 2);
    EXPECT_EQ(form2->Label2->Top(), 49);
    // ...and nothing of the settings step yet.
    EXPECT_FALSE(MakerKeyWritten());
    EXPECT_EQ(form2->SavedFolder, "");
    EXPECT_EQ(form2->Folder, "");
    EXPECT_NE(Form4->DirectoryListBox1->Directory(), remembered.string());
    return vcl::mrOk;
  });
  ShowMainWindow();
  EXPECT_TRUE(sawWarning);
  EXPECT_TRUE(MakerKeyWritten());
  EXPECT_EQ(form2->SavedFolder, remembered.string());
  EXPECT_EQ(form2->Folder, remembered.string());
  EXPECT_EQ(Form4->DirectoryListBox1->Directory(), remembered.string());
}

TEST_F(FormsTest, OnlyOneHundredTwentyPixelsPerInchCountsAsLargeFonts) {
  const std::pair<int, int> cases[] = {{96, 1}, {120, 2}, {144, 1}, {72, 1}, {192, 1}};
  for (const auto& [pixelsPerInch, fontScale] : cases) {
    SCOPED_TRACE(pixelsPerInch);
    TearDown();
    SetUp();
    SetDisplay(pixelsPerInch, 24);
    EXPECT_EQ(form2->GetFontScale(), 0);  // until first shown
    ShowMainWindow();
    EXPECT_EQ(form2->GetFontScale(), fontScale);
  }
}

TEST_F(FormsTest, ColourDepthWarningHasTwoLayouts) {
  struct Case {
    int pixelsPerInch;
    int windowWidth, labelWidth, labelLeft, buttonLeft;
  };
  const Case cases[] = {{96, 245, 205, 20, 85}, {120, 287, 242, 22, 106}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pixelsPerInch);
    TearDown();
    SetUp();
    SetDisplay(c.pixelsPerInch, 8);
    ShowMainWindow();
    ASSERT_EQ(shows.size(), 1u);
    const ModalShow& warning = shows[0];
    EXPECT_EQ(warning.form, Form1);
    EXPECT_EQ(warning.text, "Increase Desktop Color Mode above\n 256 colors or this could look ugly.");
    EXPECT_EQ(warning.width, c.windowWidth);
    EXPECT_EQ(warning.height, 125);
    EXPECT_EQ(warning.labelWidth, c.labelWidth);
    EXPECT_EQ(warning.labelHeight, 32);
    EXPECT_EQ(warning.labelTop, 9);
    EXPECT_EQ(warning.labelLeft, c.labelLeft);
    EXPECT_EQ(warning.buttonLeft, c.buttonLeft);
    EXPECT_EQ(warning.buttonTop, 125 - 2 * 25 - 15);
    // The warning is not moved: it stands where the message window was designed.
    EXPECT_EQ(warning.left, 208);
    EXPECT_EQ(warning.top, 624);
  }
}

TEST_F(FormsTest, NoWarningOnDeeperDisplays) {
  for (int depth : {4, 15, 16, 24, 32}) {
    SCOPED_TRACE(depth);
    TearDown();
    SetUp();
    SetDisplay(96, depth);
    ShowMainWindow();
    EXPECT_TRUE(shows.empty());
  }
}

TEST_F(FormsTest, FirstRunOpensTheChooserOnTheUsersOwnSamples) {
  ShowMainWindow();
  const fs::path samples = Root() / "data" / "lumpforge" / "samples";
  EXPECT_EQ(Form4->DirectoryListBox1->Directory(), samples.string());
  EXPECT_TRUE(fs::exists(samples / "lambda.bmp"));
  // Nothing is remembered until the user compiles there.
  EXPECT_EQ(form2->Folder, "");
  EXPECT_EQ(form2->SavedFolder, "");

  // Browse, OK: a gfx.wad at once, and the folder is remembered at close.
  answer = [](vcl::TForm& form) {
    if (&form == Form4) Form4->Button1->Click();
    return vcl::mrNone;
  };
  form2->Label4Click(form2->Label4);
  EXPECT_TRUE(fs::exists(samples / "gfx.wad"));
  vcl::TCloseAction action = vcl::caFree;
  form2->FormClose(form2, action);
  EXPECT_EQ(StoredLastOpened(), samples.string());
}

TEST_F(FormsTest, RememberedFolderThatIsGoneLeavesTheChooserAlone) {
  const std::string before = Form4->DirectoryListBox1->Directory();
  StoreLastOpened((Root() / "gone").string());
  ShowMainWindow();
  EXPECT_TRUE(shows.empty());
  EXPECT_EQ(Form4->DirectoryListBox1->Directory(), before);
  EXPECT_EQ(form2->Folder, (Root() / "gone").string());
  EXPECT_FALSE(fs::exists(Root() / "data" / "lumpforge" / "samples"));
}

}  // namespace
}  // namespace forms_test
