// The message window: its design values and every step of ShowMessageWindow, read at the
// moment the window is shown.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Unit1.h"
#include "form.h"
#include "hooks.h"
#include "message_window.h"
#include "user_input.h"

namespace {

// What the window looked like when it came up.
struct Shown {
  std::string caption, text;
  int left, top, width, height;
  int labelLeft, labelTop, labelWidth, labelHeight;
  int buttonLeft, buttonTop, buttonWidth, buttonHeight;
};

class MessageWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    Form1 = new TForm1();
    vcl::SetModalHook([this](vcl::TForm& form) {
      EXPECT_EQ(&form, Form1);
      const TForm1& f = *Form1;
      shown.push_back({f.Caption(), f.Label1->Caption(), f.Left(), f.Top(), f.Width(), f.Height(),
                       f.Label1->Left(), f.Label1->Top(), f.Label1->Width(), f.Label1->Height(),
                       f.Button1->Left(), f.Button1->Top(), f.Button1->Width(), f.Button1->Height()});
      if (answer) answer(form);
      return vcl::mrNone;
    });
  }
  void TearDown() override {
    vcl::SetModalHook({});
    delete Form1;
    Form1 = nullptr;
  }

  static void PlaceMain(vcl::TForm& main, int left, int top, int width, int height) {
    main.SetBorderStyle(vcl::bsNone);
    main.SetBounds(left, top, width, height);
  }

  std::function<void(vcl::TForm&)> answer = [](vcl::TForm&) { vcl::ClickControl(*Form1->Button1); };
  std::vector<Shown> shown;
};

TEST_F(MessageWindowTest, DesignValues) {
  const TForm1& f = *Form1;
  EXPECT_EQ(f.Caption(), "Lumpforge Compiler");
  EXPECT_EQ(f.BorderStyle(), vcl::bsSingle);
  EXPECT_EQ(f.BorderIcons(), vcl::biSystemMenu);
  EXPECT_EQ(f.ClientWidth(), 252);
  EXPECT_EQ(f.ClientHeight(), 103);
  EXPECT_EQ(f.Left(), 208);
  EXPECT_EQ(f.Top(), 624);
  EXPECT_EQ(f.Font()->Name(), "MS Sans Serif");
  EXPECT_EQ(f.Font()->Height(), -11);

  const vcl::TLabel& label = *f.Label1;
  EXPECT_EQ((std::vector<int>{label.Left(), label.Top(), label.Width(), label.Height()}),
            (std::vector<int>{85, 24, 81, 15}));
  EXPECT_EQ(label.Alignment(), vcl::taCenter);
  EXPECT_FALSE(label.AutoSize());
  EXPECT_TRUE(label.WordWrap());
  EXPECT_TRUE(label.Transparent());
  EXPECT_FALSE(label.ParentFont());
  EXPECT_EQ(label.Font()->Name(), "Arial");
  EXPECT_EQ(label.Font()->Height(), -12);
  EXPECT_EQ(label.Font()->Style(), 0u);
  EXPECT_EQ(label.Caption(), "Error Message");

  const vcl::TButton& button = *f.Button1;
  EXPECT_EQ((std::vector<int>{button.Left(), button.Top(), button.Width(), button.Height()}),
            (std::vector<int>{89, 61, 75, 25}));
  EXPECT_EQ(button.Caption(), "OK");
  EXPECT_EQ(button.ModalResult(), vcl::mrOk);
}

// Window and label placement for a missing-file message (250 / 200) over main windows of
// several sizes and font scales; the button keeps its design size.
TEST_F(MessageWindowTest, SizesAndCentresOnTheMainWindow) {
  struct Case {
    const char* what;
    int mainLeft, mainTop, mainWidth, mainHeight, fontScale;
    int left, top, width, labelLeft, labelWidth, buttonLeft;
  };
  const Case cases[] = {
      {"worked example", 100, 80, 400, 300, 1, 175, 167, 250, 25, 200, 87},
      {"large fonts", 100, 80, 400, 300, 2, 155, 167, 290, 30, 230, 107},
      {"main window narrower than the message", 100, 80, 245, 300, 1, 98, 167, 250, 25, 200, 87},
      {"font scale not yet known (0) is normal", 100, 80, 400, 300, 0, 175, 167, 250, 25, 200, 87},
      {"only exactly 2 is large", 100, 80, 400, 300, 3, 175, 167, 250, 25, 200, 87},
      {"main window at the screen's edge", 0, 0, 340, 262, 1, 45, 68, 250, 25, 200, 87},
  };
  for (const Case& c : cases) {
    shown.clear();
    vcl::TForm main;
    PlaceMain(main, c.mainLeft, c.mainTop, c.mainWidth, c.mainHeight);
    ShowProblemInMessageWindow(main, c.fontScale, "Could not locate lambda.bmp.", 250, 200);
    ASSERT_EQ(shown.size(), 1u) << c.what;
    const Shown& s = shown[0];
    EXPECT_EQ(s.text, "Could not locate lambda.bmp.") << c.what;
    EXPECT_EQ((std::vector<int>{s.left, s.top, s.width, s.height}),
              (std::vector<int>{c.left, c.top, c.width, 125}))
        << c.what;
    EXPECT_EQ((std::vector<int>{s.labelLeft, s.labelTop, s.labelWidth, s.labelHeight}),
              (std::vector<int>{c.labelLeft, 17, c.labelWidth, 18}))
        << c.what;
    EXPECT_EQ((std::vector<int>{s.buttonLeft, s.buttonTop, s.buttonWidth, s.buttonHeight}),
              (std::vector<int>{c.buttonLeft, 60, 75, 25}))
        << c.what;
  }
}

TEST_F(MessageWindowTest, LargeFontAdditionsNeverAccumulate) {
  vcl::TForm main;
  PlaceMain(main, 100, 80, 400, 300);
  ShowProblemInMessageWindow(main, 2, "Could not locate lambda.bmp.", 250, 200);
  ShowProblemInMessageWindow(main, 2, "Could not locate paused.bmp.", 250, 200);
  ASSERT_EQ(shown.size(), 2u);
  for (const Shown& s : shown) {
    EXPECT_EQ(s.width, 290);
    EXPECT_EQ(s.labelWidth, 230);
    EXPECT_EQ(s.left, 155);
  }
  EXPECT_EQ(shown[1].text, "Could not locate paused.bmp.");
}

TEST_F(MessageWindowTest, CloseBoxEndsTheShowLikeOk) {
  vcl::TForm main;
  PlaceMain(main, 100, 80, 400, 300);
  std::vector<int> results;
  for (const bool closeBox : {false, true}) {
    answer = [closeBox](vcl::TForm& form) {
      if (closeBox)
        vcl::PressCloseBox(form);
      else
        vcl::ClickControl(*Form1->Button1);
    };
    Form1->Label1->SetCaption("Could not locate conchars.txt.");
    Form1->SetWidth(250);
    Form1->Label1->SetWidth(200);
    results.push_back(ShowMessageWindowOver(main, 1));
    EXPECT_FALSE(Form1->Visible());
  }
  EXPECT_EQ(results, (std::vector<int>{vcl::mrOk, vcl::mrCancel}));
  EXPECT_EQ(shown.size(), 2u);
}

TEST_F(MessageWindowTest, ShowsProblemsOneAtATimeInOrder) {
  vcl::TForm main;
  PlaceMain(main, 100, 80, 400, 300);
  const std::vector<std::string> problems = {"Could not locate lambda.bmp.",
                                             "Could not locate creditsfont.txt."};
  ShowProblemInMessageWindow(main, 1, problems[0], 250, 200);
  ShowProblemInMessageWindow(main, 1, problems[1], 250, 210);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].text, problems[0]);
  EXPECT_EQ(shown[1].text, problems[1]);
  EXPECT_EQ(shown[1].labelWidth, 210);
  EXPECT_EQ(shown[1].labelLeft, 20);
}

}  // namespace
