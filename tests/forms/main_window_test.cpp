// The main window: its layout, the drag band, the three ways to close it, the logo's
// menu, and "Browse..." bringing up the chooser and then the About window.
#include "colours.h"
#include "desktop_facts.h"
#include "forms_test_support.h"

namespace forms_test {
namespace {

using lumpforge::colours::kLink;
using lumpforge::colours::kLinkPressed;

struct Placement {
  const char* name;
  vcl::TControl* (*control)(TForm2&);
  int left, top, width, height;
  int fontHeight;  // 0 for controls without text
};

TEST_F(FormsTest, MainWindowKeepsItsPixelLayoutAtEveryScale) {
  const Placement placements[] = {
      {"Label5", [](TForm2& f) -> vcl::TControl* { return f.Label5; }, 20, 161, 129, 88, -12},
      {"Label1", [](TForm2& f) -> vcl::TControl* { return f.Label1; }, 36, 18, 253, 19, -16},
      {"Image6", [](TForm2& f) -> vcl::TControl* { return f.Image6; }, 16, 20, 16, 16, 0},
      {"Shape2", [](TForm2& f) -> vcl::TControl* { return f.Shape2; }, 16, 41, 286, 1, 0},
      {"Label2", [](TForm2& f) -> vcl::TControl* { return f.Label2; }, 20, 49, 286, 80, -12},
      {"Label4", [](TForm2& f) -> vcl::TControl* { return f.Label4; }, 20, 134, 57, 24, -12},
      {"Label6", [](TForm2& f) -> vcl::TControl* { return f.Label6; }, 152, 161, 137, 88, -12},
      {"Image7", [](TForm2& f) -> vcl::TControl* { return f.Image7; }, 0, 0, 340, 261, 0},
  };
  for (int pixelsPerInch : {96, 120, 144}) {
    SCOPED_TRACE(pixelsPerInch);
    TearDown();
    SetUp();
    SetDisplay(pixelsPerInch, 24);
    ShowMainWindow();
    EXPECT_EQ(form2->Width(), 340);
    EXPECT_EQ(form2->Height(), 262);
    EXPECT_EQ(form2->ClientWidth(), 340);
    EXPECT_EQ(form2->ClientHeight(), 262);
    EXPECT_EQ(form2->BorderStyle(), vcl::bsNone);
    for (const Placement& p : placements) {
      SCOPED_TRACE(p.name);
      vcl::TControl* control = p.control(*form2);
      EXPECT_EQ(control->Left(), p.left);
      EXPECT_EQ(control->Top(), p.top);
      EXPECT_EQ(control->Width(), p.width);
      EXPECT_EQ(control->Height(), p.height);
      if (p.fontHeight != 0) {
        EXPECT_EQ(control->Font()->Height(), p.fontHeight);
      }
    }
    // The "x" keeps its place and takes the size of its letter.
    EXPECT_EQ(form2->Label8->Left(), 307);
    EXPECT_EQ(form2->Label8->Top(), 12);
    EXPECT_EQ(form2->Label8->Font()->Height(), -21);
    EXPECT_GT(form2->Label8->Width(), 0);
    EXPECT_LT(form2->Label8->Width(), 20);
  }
}

TEST_F(FormsTest, ShowHandlerListsTheNineInputsAndGivesTheClickablesTheHand) {
  ShowMainWindow();
  EXPECT_EQ(form2->Label5->Caption(),
            "backtile.bmp \nconchars.bmp \nconchars.txt \ncreditsfont.bmp \ncreditsfont.txt");
  EXPECT_EQ(form2->Label6->Caption(), "lambda.bmp \nlambda32.bmp \nlambda64.bmp \npaused.bmp");
  EXPECT_TRUE(vcl::Screen->Cursors.Has(vcl::crHand));
  EXPECT_NE(vcl::Screen->Cursors[vcl::crHand].Image(), nullptr);
  for (vcl::TControl* control : {static_cast<vcl::TControl*>(form2->Image6),
                                 static_cast<vcl::TControl*>(form2->Label4),
                                 static_cast<vcl::TControl*>(form2->Label8)})
    EXPECT_EQ(control->Cursor(), vcl::crHand) << control->Name();
  EXPECT_EQ(form2->Label8->Hint(), "Click to Exit the program.");
}

TEST_F(FormsTest, WindowCreationClearsOnlyTheCaptionBits) {
  vcl::TCreateParams params;
  params.Style = vcl::WS_CLIPCHILDREN | vcl::WS_CAPTION | vcl::WS_SYSMENU | vcl::WS_MINIMIZEBOX;
  params.ExStyle = 0x100;
  form2->CreateParams(params);
  EXPECT_EQ(params.Style, vcl::WS_CLIPCHILDREN | vcl::WS_SYSMENU | vcl::WS_MINIMIZEBOX);
  EXPECT_EQ(params.ExStyle, 0x100u);
}

TEST_F(FormsTest, DragBandAnswersCaptionOnlyInsideItsEdges) {
  form2->SetBounds(400, 300, 340, 262);
  struct Point {
    int x, y;
    bool drags;
  };
  const Point points[] = {
      {35, 0, true}, {302, 39, true}, {150, 20, true},     // the band and its corners
      {34, 10, false}, {303, 10, false}, {100, 40, false},  // just outside each edge
      {20, 28, false}, {310, 20, false},                   // the logo and the "x"
  };
  for (const Point& point : points) {
    SCOPED_TRACE(testing::Message() << point.x << ", " << point.y);
    // The live cursor position decides, not the press's own coordinates.
    platform::SetCursorPositionProvider([&] { return platform::CursorPosition{400 + point.x, 300 + point.y}; });
    EXPECT_EQ(vcl::PressMouseOnForm(*form2, 0, 0), point.drags);
  }
}

TEST_F(FormsTest, EachWayOfClosingRunsTheCloseHandler) {
  // The close handler saves a changed folder: seeing it stored shows the close ran.
  const std::vector<std::pair<const char*, std::function<void(TForm2&)>>> ways = {
      {"x", [](TForm2& f) { f.Label8Click(f.Label8); }},
      {"logo double click", [](TForm2& f) { f.Image6DblClick(f.Image6); }},
      {"menu Exit", [](TForm2& f) { f.ViewingOptions1Click(nullptr); }},
  };
  for (const auto& [name, close] : ways) {
    SCOPED_TRACE(name);
    TearDown();
    SetUp();
    ShowMainWindow();
    form2->Folder = MakeFolder("chosen").string();
    close(*form2);
    EXPECT_EQ(StoredLastOpened(), form2->Folder);
  }
}

TEST_F(FormsTest, LogoClickOpensTheExitMenuJustUnderTheLogo) {
  ShowMainWindow();
  form2->SetBounds(123, 45, 340, 262);
  int menuX = -1, menuY = -1;
  vcl::SetPopupHook([&](vcl::TPopupMenu& menu, int x, int y) -> vcl::TMenuItem* {
    menuX = x;
    menuY = y;
    EXPECT_EQ(menu.Count(), 1);
    return menu.Items(0);
  });
  form2->Folder = MakeFolder("chosen").string();
  platform::SetCursorPositionProvider([] { return platform::CursorPosition{900, 900}; });
  form2->Image6Click(form2->Image6);
  EXPECT_EQ(menuX, 123 + 17);
  EXPECT_EQ(menuY, 45 + 36);
  EXPECT_EQ(form2->ViewingOptions1->Caption(), "Exit");
  EXPECT_EQ(StoredLastOpened(), form2->Folder);  // "Exit" closed the window
}

TEST_F(FormsTest, BrowseShowsTheChooserThenTheAboutWindowBothCentred) {
  ShowMainWindow();
  form2->SetBounds(101, 77, 340, 262);
  for (vcl::TModalResult chooserAnswer : {vcl::mrCancel, vcl::mrOk}) {
    SCOPED_TRACE(chooserAnswer);
    shows.clear();
    answer = [&](vcl::TForm& form) { return &form == Form4 ? chooserAnswer : vcl::mrOk; };
    form2->Label4Click(form2->Label4);
    ASSERT_EQ(shows.size(), 2u);
    EXPECT_EQ(shows[0].form, Form4);
    EXPECT_EQ(shows[0].left, 101 + (340 - Form4->Width()) / 2);
    EXPECT_EQ(shows[0].top, 77 + (262 - Form4->Height()) / 2);
    EXPECT_EQ(shows[1].form, Form3);
    EXPECT_EQ(shows[1].left, 101 + (340 - 288) / 2);
    EXPECT_EQ(shows[1].top, 77 + (262 - 249) / 2);
  }
}

TEST_F(FormsTest, BrowseLinkStaysGreyWhileItsWindowsAreOpen) {
  ShowMainWindow();
  std::vector<vcl::TColor> coloursSeen;
  answer = [&](vcl::TForm&) {
    coloursSeen.push_back(form2->Label4->Font()->Color());
    return vcl::mrCancel;
  };
  EXPECT_EQ(form2->Label4->Font()->Color(), kLink);
  for (vcl::TMouseButton button : {vcl::mbLeft, vcl::mbRight}) {
    coloursSeen.clear();
    vcl::ClickControl(*form2->Label4, button);
    EXPECT_EQ(form2->Label4->Font()->Color(), kLink);
    if (button == vcl::mbLeft) {
      EXPECT_EQ(coloursSeen, (std::vector<vcl::TColor>{kLinkPressed, kLinkPressed}));
    }
  }
  vcl::PressMouseOn(*form2->Label4, vcl::mbRight);
  EXPECT_EQ(form2->Label4->Font()->Color(), kLinkPressed);
  vcl::ReleaseMouseOn(*form2->Label4, vcl::mbRight);
  EXPECT_EQ(form2->Label4->Font()->Color(), kLink);
}

TEST_F(FormsTest, CompilerProblemsAppearInTheMessageWindowCentredOnTheMainWindow) {
  SetDisplay(120, 24);
  ShowMainWindow();
  form2->SetBounds(100, 80, 400, 300);
  Form4->DirectoryListBox1->SetDirectory(MakeFolder("empty").string());
  form2->CompileWad();
  ASSERT_FALSE(shows.empty());
  EXPECT_EQ(shows[0].form, Form1);
  EXPECT_EQ(shows[0].text, "Could not locate lambda.bmp.");
  EXPECT_EQ(shows[0].width, 290);  // 250 and the large-font 40
  EXPECT_EQ(shows[0].left, 155);
  EXPECT_EQ(shows[0].labelWidth, 230);
}

}  // namespace
}  // namespace forms_test
