// Forms: outer bounds as the truth, modal shows ended by buttons, Close() and the close box.
#include <gtest/gtest.h>

#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "button.h"
#include "form.h"
#include "label.h"
#include "test_support.h"
#include "user_input.h"

namespace {

using vcl_test::ModalHookScope;

TEST(FormBounds, ClientSizeFollowsOuterBoundsByBorderStyle) {
  struct Case {
    vcl::TFormBorderStyle style;
    int width, height, clientWidth, clientHeight;
  };
  const Case cases[] = {
      {vcl::bsSingle, 288, 249, 284, 224},
      {vcl::bsDialog, 256, 128, 252, 103},
      {vcl::bsNone, 340, 262, 340, 262},
      {vcl::bsSizeable, 300, 200, 292, 171},
  };
  for (const Case& c : cases) {
    vcl::TForm form;
    form.SetBorderStyle(c.style);
    form.SetBounds(10, 20, c.width, c.height);
    EXPECT_EQ(form.ClientWidth(), c.clientWidth) << c.style;
    EXPECT_EQ(form.ClientHeight(), c.clientHeight) << c.style;
  }
}

TEST(FormBounds, SettingClientSizeSetsOuterSizeAndBorderChangesKeepOuterSize) {
  vcl::TForm form;
  form.SetBorderStyle(vcl::bsSingle);
  form.SetClientWidth(252);
  form.SetClientHeight(103);
  EXPECT_EQ(form.Width(), 256);
  EXPECT_EQ(form.Height(), 128);

  form.SetBorderStyle(vcl::bsNone);
  EXPECT_EQ(form.Width(), 256);
  EXPECT_EQ(form.ClientWidth(), 256);
  EXPECT_EQ(form.ClientHeight(), 128);
}

TEST(ModalShow, HookSeesTheFormAfterOnShowAndAnswersIt) {
  vcl::TForm form;
  auto* label = new vcl::TLabel(&form);
  form.OnShow = [&](vcl::TObject*) {
    form.SetCaption("Browse...");
    label->SetCaption("shown");
  };
  std::string seenCaption, seenLabel;
  bool seenVisible = false;
  ModalHookScope hook([&](vcl::TForm& shown) {
    seenCaption = shown.Caption();
    seenLabel = label->Caption();
    seenVisible = shown.Visible() && shown.Modal();
    return vcl::mrOk;
  });
  EXPECT_EQ(form.ShowModal(), vcl::mrOk);
  EXPECT_EQ(seenCaption, "Browse...");
  EXPECT_EQ(seenLabel, "shown");
  EXPECT_TRUE(seenVisible);
  EXPECT_FALSE(form.Visible());
  EXPECT_FALSE(form.Modal());
}

// How a modal show ends: the result returned and whether OnClose ran.
TEST(ModalShow, EndsWithTheResultOfWhatTheUserDid) {
  struct Case {
    const char* what;
    std::function<void(vcl::TForm&, vcl::TButton&, vcl::TButton&)> act;
    vcl::TModalResult expected;
  };
  const Case cases[] = {
      {"click on a button with modal result OK",
       [](vcl::TForm&, vcl::TButton& ok, vcl::TButton&) { vcl::ClickControl(ok); }, vcl::mrOk},
      {"click on a button whose handler closes the form",
       [](vcl::TForm&, vcl::TButton&, vcl::TButton& cancel) { vcl::ClickControl(cancel); },
       vcl::mrCancel},
      {"the close box", [](vcl::TForm& form, vcl::TButton&, vcl::TButton&) { vcl::PressCloseBox(form); },
       vcl::mrCancel},
      {"Enter, which presses the default button",
       [](vcl::TForm& form, vcl::TButton&, vcl::TButton&) { vcl::PressEnter(form); }, vcl::mrOk},
      {"nothing at all", [](vcl::TForm&, vcl::TButton&, vcl::TButton&) {}, vcl::mrCancel},
  };
  for (const Case& c : cases) {
    vcl::TForm form;
    auto* ok = new vcl::TButton(&form);
    ok->SetModalResult(vcl::mrOk);
    ok->SetDefault(true);
    auto* cancel = new vcl::TButton(&form);
    cancel->SetLeft(100);
    cancel->OnClick = [&](vcl::TObject*) { form.Close(); };
    int closes = 0;
    form.OnClose = [&](vcl::TObject*, vcl::TCloseAction&) { ++closes; };
    ModalHookScope hook([&](vcl::TForm& shown) {
      c.act(shown, *ok, *cancel);
      return vcl::mrNone;
    });
    EXPECT_EQ(form.ShowModal(), c.expected) << c.what;
    EXPECT_EQ(closes, 1) << c.what;
    EXPECT_EQ(form.ModalResult(), c.expected) << c.what;
  }
}

TEST(ModalShow, ButtonHandsItsResultToTheFormBeforeItsClickHandlerRuns) {
  vcl::TForm form;
  auto* button = new vcl::TButton(&form);
  button->SetModalResult(vcl::mrOk);
  vcl::TModalResult seenInHandler = -1;
  button->OnClick = [&](vcl::TObject*) { seenInHandler = form.ModalResult(); };
  ModalHookScope hook([&](vcl::TForm&) {
    vcl::ClickControl(*button);
    return vcl::mrNone;
  });
  EXPECT_EQ(form.ShowModal(), vcl::mrOk);
  EXPECT_EQ(seenInHandler, vcl::mrOk);
}

TEST(ModalShow, NestedShowsEachReturnTheirOwnResult) {
  vcl::TForm outer, inner;
  auto* innerOk = new vcl::TButton(&inner);
  innerOk->SetModalResult(vcl::mrOk);
  auto* outerButton = new vcl::TButton(&outer);
  vcl::TModalResult innerResult = -1;
  outerButton->OnClick = [&](vcl::TObject*) { innerResult = inner.ShowModal(); };
  std::vector<vcl::TForm*> shown;
  ModalHookScope hook([&](vcl::TForm& form) {
    shown.push_back(&form);
    if (&form == &outer) {
      vcl::ClickControl(*outerButton);
      return vcl::mrAbort;
    }
    vcl::ClickControl(*innerOk);
    return vcl::mrNone;
  });
  EXPECT_EQ(outer.ShowModal(), vcl::mrAbort);
  EXPECT_EQ(innerResult, vcl::mrOk);
  EXPECT_EQ(shown, (std::vector<vcl::TForm*>{&outer, &inner}));
}

// A form that answers the hit test like a skinned window with a drag band at the top.
class BandForm : public vcl::TForm {
 public:
  int band = 40;
  int hitTests = 0;

 protected:
  void WndProc(vcl::TMessage& message) override {
    if (message.Msg == vcl::WM_NCHITTEST) {
      ++hitTests;
      const int y = static_cast<std::int16_t>((message.LParam >> 16) & 0xFFFF);
      message.Result = y < Top() + band ? vcl::HTCAPTION : vcl::HTCLIENT;
      return;
    }
    TForm::WndProc(message);
  }
};

TEST(HitTest, CaptionAnswerMovesTheWindowAndKeepsThePressFromTheControl) {
  BandForm form;
  form.SetBorderStyle(vcl::bsNone);
  form.SetBounds(100, 100, 340, 262);
  auto* title = new vcl::TLabel(&form);
  int downs = 0;
  title->OnMouseDown = [&](vcl::TObject*, vcl::TMouseButton, vcl::TShiftState, int, int) { ++downs; };

  struct Case {
    int cursorY;
    bool moves;
  };
  for (const Case c : {Case{110, true}, Case{139, true}, Case{140, false}, Case{300, false}}) {
    platform::SetCursorPositionProvider([&] { return platform::CursorPosition{150, c.cursorY}; });
    downs = 0;
    vcl::PressMouseOn(*title);
    vcl::ReleaseMouseOn(*title);
    EXPECT_EQ(downs, c.moves ? 0 : 1) << c.cursorY;
    EXPECT_EQ(vcl::PressMouseOnForm(form, 5, 5), c.moves) << c.cursorY;
    vcl::ReleaseMouseOn(*title);
  }
  platform::SetCursorPositionProvider({});
  EXPECT_GT(form.hitTests, 0);
}

TEST(Form, CreateParamsOverrideDecidesTheFrame) {
  class Captionless : public vcl::TForm {
   protected:
    void CreateParams(vcl::TCreateParams& params) override { params.Style &= 0xFF3FFFFFu; }
  };
  Captionless form;
  form.SetBorderStyle(vcl::bsSingle);
  form.Show();
  EXPECT_TRUE(form.Widget()->windowFlags() & Qt::FramelessWindowHint);
  form.Hide();

  vcl::TForm framed;
  framed.SetBorderStyle(vcl::bsSingle);
  framed.SetBorderIcons(vcl::biSystemMenu);
  framed.Show();
  const auto flags = framed.Widget()->windowFlags();
  EXPECT_FALSE(flags & Qt::FramelessWindowHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  framed.Hide();
}

}  // namespace

namespace {

// Without a hook the show runs a real nested event loop; a click arriving through the
// loop ends it.
TEST(ModalShow, NestedEventLoopEndsWhenAButtonWithAResultIsClicked) {
  vcl::TForm form;
  form.SetBorderStyle(vcl::bsSingle);
  form.SetBounds(10, 10, 200, 100);
  auto* ok = new vcl::TButton(&form);
  ok->SetModalResult(vcl::mrOk);
  bool visibleDuringShow = false;
  QTimer::singleShot(0, [&] {
    visibleDuringShow = form.Widget()->isVisible();
    vcl::ClickControl(*ok);
  });
  EXPECT_EQ(form.ShowModal(), vcl::mrOk);
  EXPECT_TRUE(visibleDuringShow);
  EXPECT_FALSE(form.Widget()->isVisible());
}

}  // namespace
