// The About window: its two layouts, the link's colour feedback, and the browser lookup,
// launch and failure messages.
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <thread>

#include "colours.h"
#include "forms_test_support.h"
#include "registry_live.h"

namespace forms_test {
namespace {

using lumpforge::colours::kLink;
using lumpforge::colours::kLinkPressed;

struct Bounds {
  int left, top, width, height;
};

Bounds BoundsOf(const vcl::TControl& control) {
  return {control.Left(), control.Top(), control.Width(), control.Height()};
}

void ExpectBounds(const vcl::TControl& control, Bounds expected) {
  SCOPED_TRACE(control.Name());
  EXPECT_EQ(control.Left(), expected.left);
  EXPECT_EQ(control.Top(), expected.top);
  EXPECT_EQ(control.Width(), expected.width);
  EXPECT_EQ(control.Height(), expected.height);
}

// The size a label of the same font and text takes by itself.
Bounds TextSizeOf(const vcl::TLabel& label) {
  vcl::TForm form;
  vcl::TLabel probe(&form);
  probe.SetWordWrap(label.WordWrap());
  probe.SetBounds(label.Left(), label.Top(), 225, 20);
  probe.Font()->Assign(*label.Font());
  probe.SetCaption(label.Caption());
  return BoundsOf(probe);
}

class AboutTest : public FormsTest {
 protected:
  void ShowAbout(int pixelsPerInch) {
    SetDisplay(pixelsPerInch, 24);
    ShowMainWindow();
    Form3->SetBounds(300, 200, Form3->Width(), Form3->Height());
    Form3->FormShow(Form3);
  }
  // A folder on PATH holding a stand-in "xdg-open" that records its argument.
  fs::path InstallOpener() {
    const fs::path bin = MakeFolder("bin");
    const fs::path opener = bin / "xdg-open";
    std::ofstream(opener) << "#!/bin/sh\nprintf '%s' \"$1\" > \"" << (Root() / "opened.part").string()
                          << "\"\n/bin/mv \"" << (Root() / "opened.part").string() << "\" \""
                          << (Root() / "opened").string() << "\"\n";
    fs::permissions(opener, fs::perms::owner_all);
    return bin;
  }
  void SetPath(const fs::path& folder) {
    oldPath_ = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", folder.c_str(), 1);
  }
  void TearDown() override {
    if (oldPath_) setenv("PATH", oldPath_->c_str(), 1);
    platform::SetProgramLocator({});
    FormsTest::TearDown();
  }

 private:
  std::optional<std::string> oldPath_;
};

TEST_F(AboutTest, NormalLayoutLetsTheLabelsFollowTheirText) {
  ShowAbout(96);
  EXPECT_EQ(Form3->Width(), 288);
  EXPECT_EQ(Form3->Height(), 249);
  EXPECT_EQ(Form3->ClientWidth(), 284);
  EXPECT_EQ(Form3->ClientHeight(), 224);
  ExpectBounds(*Form3->Image1, {0, 0, 284, 224});
  ExpectBounds(*Form3->Image2, {17, 63, 32, 32});
  ExpectBounds(*Form3->Shape1, {15, 61, 36, 36});
  ExpectBounds(*Form3->OKButton, {110, 178, 65, 33});
  ExpectBounds(*Form3->Label2, {102, 84, 79, 20});
  const std::pair<vcl::TLabel*, Bounds> followers[] = {
      {Form3->Label1, {57, 60, 0, 0}}, {Form3->Label5, {32, 143, 0, 0}}, {Form3->Label3, {80, 113, 0, 0}}};
  for (const auto& [label, place] : followers) {
    SCOPED_TRACE(label->Name());
    const Bounds text = TextSizeOf(*label);
    ExpectBounds(*label, {place.left, place.top, text.width, text.height});
  }
  EXPECT_EQ(Form3->Label1->Font()->Height(), -15);
  EXPECT_EQ(Form3->Label3->Font()->Height(), -12);
  EXPECT_EQ(Form3->Label5->Font()->Height(), -12);
  EXPECT_EQ(Form3->Label5->Caption(), "http://www.quillmere.example/lumpforge");
  EXPECT_EQ(Form3->Label5->Hint(), "http://www.quillmere.example/lumpforge");
  EXPECT_EQ(Form3->Label5->Cursor(), vcl::crHand);
  EXPECT_EQ(Form3->FontScale, 1);
}

TEST_F(AboutTest, LargeFontLayoutKeepsTheGivenSizes) {
  ShowAbout(120);
  EXPECT_EQ(Form3->FontScale, 2);
  EXPECT_EQ(Form3->Width(), 288);
  EXPECT_EQ(Form3->Height(), 249);
  ExpectBounds(*Form3->Label1, {57, 58, 224, 20});
  ExpectBounds(*Form3->Label2, {102, 84, 88, 20});
  ExpectBounds(*Form3->Label5, {32, 143, 225, 20});
  ExpectBounds(*Form3->Label3, {66, 113, 151, 20});
  ExpectBounds(*Form3->Shape1, {15, 61, 36, 36});
  EXPECT_EQ(Form3->Label2->Font()->Height(), -15);
  EXPECT_EQ(Form3->Label3->Font()->Height(), -12);
}

TEST_F(AboutTest, BrowserFailuresAreCentredOnTheAboutWindowWithTheirWidths) {
  struct Case {
    const char* name;
    int pixelsPerInch;
    bool openerRegistered;
    const char* text;
    int windowWidth, labelWidth;
  };
  const Case cases[] = {
      {"no browser", 96, false, "Could not locate web browser.", 235, 175},
      {"no browser, large fonts", 120, false, "Could not locate web browser.", 264, 180},
      {"browser fails", 96, true, "Couldn't execute web browser.", 235, 175},
      {"browser fails, large fonts", 120, true, "Couldn't execute web browser.", 279, 195},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    // Registered, but nothing of that name can be started from this PATH.
    const bool registered = c.openerRegistered;
    platform::SetProgramLocator([registered](const std::string&) { return registered; });
    SetPath(MakeFolder("empty-bin"));
    ShowAbout(c.pixelsPerInch);
    std::vector<vcl::TColor> linkColours;
    vcl::SetModalHook([&](vcl::TForm& form) -> vcl::TModalResult {
      EXPECT_EQ(&form, Form1);
      linkColours.push_back(Form3->Label5->Font()->Color());
      EXPECT_EQ(Form1->Label1->Caption(), c.text);
      EXPECT_EQ(form.Width(), c.windowWidth);
      EXPECT_EQ(form.Height(), 125);
      EXPECT_EQ(form.Left(), 300 + (288 - c.windowWidth) / 2);
      EXPECT_EQ(form.Top(), 200 + (249 - 125) / 2);
      EXPECT_EQ(Form1->Label1->Width(), c.labelWidth);
      EXPECT_EQ(Form1->Label1->Height(), 15);
      EXPECT_EQ(Form1->Label1->Top(), 17);
      EXPECT_EQ(Form1->Label1->Left(), (c.windowWidth - c.labelWidth) / 2);
      EXPECT_EQ(Form1->Button1->Left(), (c.windowWidth - Form1->Button1->Width()) / 2);
      EXPECT_EQ(Form1->Button1->Top(), 125 - 2 * Form1->Button1->Height() - 15);
      return vcl::mrOk;
    });
    vcl::ClickControl(*Form3->Label5);
    // One message per click, shown while the link is still grey.
    EXPECT_EQ(linkColours, std::vector<vcl::TColor>{kLinkPressed});
    EXPECT_EQ(Form3->Label5->Font()->Color(), kLink);
    EXPECT_FALSE(Form3->ClassRegistry);
    EXPECT_FALSE(Form3->CommandRegistry);
  }
}

TEST_F(AboutTest, LinkStartsTheRegisteredOpenerWithTheMakersPage) {
  SetPath(InstallOpener());
  ShowAbout(96);
  vcl::ClickControl(*Form3->Label5);
  EXPECT_TRUE(shows.empty());
  // The opener runs on its own; wait for what it wrote.
  const fs::path opened = Root() / "opened";
  for (int i = 0; i < 200 && !fs::exists(opened); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  std::ifstream in(opened);
  std::string argument((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(argument, "http://www.quillmere.example/lumpforge/");
}

TEST_F(AboutTest, LinkTurnsGreyWhileAnyButtonIsHeld) {
  ShowAbout(96);
  for (vcl::TMouseButton button : {vcl::mbLeft, vcl::mbRight, vcl::mbMiddle}) {
    vcl::PressMouseOn(*Form3->Label5, button);
    EXPECT_EQ(Form3->Label5->Font()->Color(), kLinkPressed);
    Form3->Label5MouseUp(Form3->Label5, button, 0, 0, 0);
    EXPECT_EQ(Form3->Label5->Font()->Color(), kLink);
  }
}

}  // namespace
}  // namespace forms_test
