// The folder chooser: the "a:" rule, its caption and progress through a compile, the
// metrics failure that keeps it open, and drives it cannot show.
#include "forms_test_support.h"

namespace forms_test {
namespace {

std::vector<std::string> DriveTexts() {
  std::vector<std::string> texts;
  for (int i = 0; i < Form4->DriveComboBox1->ItemCount(); ++i) texts.push_back(Form4->DriveComboBox1->ItemText(i));
  return texts;
}

TEST_F(FormsTest, ChooserDropsOnlyALeadingLowerCaseA) {
  using Texts = std::vector<std::string>;
  struct Case {
    const char* name;
    Texts before, after;
  };
  const Case cases[] = {
      {"a: first", {"a:", "/ system"}, {"/ system"}},
      {"capital A", {"A:", "/ system"}, {"A:", "/ system"}},
      {"a: not first", {"/ system", "a:"}, {"/ system", "a:"}},
      {"b: moved to the front", {"b:", "/ system"}, {"b:", "/ system"}},
      {"a: with a name", {"a: floppy", "/ system"}, {"a: floppy", "/ system"}},
      {"one a: per show", {"a:", "a:", "/ system"}, {"a:", "/ system"}},
      {"empty list", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<vcl::DriveEntry> entries;
    for (const std::string& text : c.before) entries.push_back({text, "/"});
    Form4->DriveComboBox1->SetItems(entries);
    Form4->FormShow(Form4);
    EXPECT_EQ(DriveTexts(), c.after);
  }
}

TEST_F(FormsTest, CancelClosesWithoutCompiling) {
  const fs::path inputs = MakeSampleFolder("inputs");
  Form4->DirectoryListBox1->SetDirectory(inputs.string());
  answer = [](vcl::TForm& form) {
    EXPECT_EQ(form.Caption(), "Browse...");
    Form4->Button2->Click();
    return vcl::mrNone;
  };
  EXPECT_EQ(Form4->ShowModal(), vcl::mrCancel);
  EXPECT_EQ(Form4->Caption(), "Browse...");
  EXPECT_EQ(Form4->ProgressBar1->Position(), 0);
  EXPECT_FALSE(fs::exists(inputs / "gfx.wad"));
}

TEST_F(FormsTest, OkCompilesWithTheProgressRisingToSeventyThenCloses) {
  ShowMainWindow();
  const fs::path inputs = MakeSampleFolder("inputs");
  Form4->DirectoryListBox1->SetDirectory(inputs.string());
  Form4->ProgressBar1->SetPosition(30);  // a bar left from an earlier compile
  std::string captionDuringCompile;
  answer = [&](vcl::TForm& form) {
    EXPECT_EQ(form.Caption(), "Browse...");
    EXPECT_EQ(Form4->ProgressBar1->Position(), 0);
    Form4->Button1->Click();
    captionDuringCompile = form.Caption();
    return vcl::mrNone;
  };
  EXPECT_NE(Form4->ShowModal(), vcl::mrNone);
  EXPECT_EQ(captionDuringCompile, "Saving gfx.wad");
  EXPECT_EQ(form2->progress, (std::vector<int>{10, 20, 30, 40, 50, 60, 70}));
  EXPECT_EQ(Form4->ProgressBar1->Position(), 70);
  EXPECT_EQ(Form4->ProgressBar1->Max(), 70);
  EXPECT_TRUE(fs::exists(inputs / "gfx.wad"));
  EXPECT_EQ(form2->Folder, inputs.string());
}

TEST_F(FormsTest, OkOnMissingInputsShowsTheProblemsAndClosesWithTheBarEmpty) {
  ShowMainWindow();
  const fs::path inputs = MakeSampleFolder("inputs");
  fs::remove(inputs / "paused.bmp");
  Form4->DirectoryListBox1->SetDirectory(inputs.string());
  answer = [](vcl::TForm&) {
    Form4->Button1->Click();
    return vcl::mrNone;
  };
  Form4->ShowModal();
  ASSERT_EQ(shows.size(), 2u);  // the chooser, then the message shown from within it
  EXPECT_EQ(shows[1].form, Form1);
  EXPECT_EQ(shows[1].text, "Could not locate paused.bmp.");
  EXPECT_TRUE(form2->progress.empty());
  EXPECT_EQ(Form4->ProgressBar1->Position(), 0);
  EXPECT_FALSE(fs::exists(inputs / "gfx.wad"));
  EXPECT_FALSE(Form4->Visible());
}

TEST_F(FormsTest, MetricsFileThatCannotBeLoadedIsReportedAndKeepsTheChooserOpen) {
  ShowMainWindow();
  const fs::path inputs = MakeSampleFolder("inputs");
  // Opens for the checks, but is too large for the line reader.
  fs::resize_file(inputs / "creditsfont.txt", 1048577);
  const std::string oldWad = "an older gfx.wad";
  { std::ofstream(inputs / "gfx.wad") << oldWad; }
  Form4->DirectoryListBox1->SetDirectory(inputs.string());
  std::string captionAfterOk;
  vcl::TModalResult resultAfterOk = -1;
  answer = [&](vcl::TForm&) {
    Form4->Button1->Click();
    captionAfterOk = Form4->Caption();
    resultAfterOk = Form4->ModalResult();
    return vcl::mrCancel;
  };
  Form4->ShowModal();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].caption, "Lumpforge Compiler");
  EXPECT_EQ(reports[0].text, "Text exceeds memo capacity.");
  EXPECT_EQ(reports[0].icon, vcl::MessageBoxIcon::Error);
  EXPECT_EQ(captionAfterOk, "Saving gfx.wad");
  EXPECT_EQ(resultAfterOk, vcl::mrNone);  // still open
  EXPECT_EQ(Form4->ProgressBar1->Position(), 60);
  std::ifstream in(inputs / "gfx.wad");
  std::string kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(kept, oldWad);
}

TEST_F(FormsTest, PickingADriveThatCannotBeShownIsQuietlyIgnored) {
  const fs::path inputs = MakeFolder("inputs");
  Form4->DirectoryListBox1->SetDirectory(inputs.string());
  Form4->DriveComboBox1->SetItems({{"/ system", "/"}, {"/gone missing", (Root() / "gone").string()}});
  vcl::PickDrive(*Form4->DriveComboBox1, 1);
  EXPECT_TRUE(reports.empty());
  EXPECT_TRUE(shows.empty());
  EXPECT_EQ(Form4->DirectoryListBox1->Directory(), inputs.string());
}

}  // namespace
}  // namespace forms_test
