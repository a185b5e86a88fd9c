// The application object: the first form created is the main form, Run() shows it and
// returns when it closes; the other forms stay hidden.
#include <gtest/gtest.h>

#include <QTimer>

#include "application.h"
#include "form.h"

namespace {

class CountingForm : public vcl::TForm {
 public:
  CountingForm() {
    OnShow = [this](vcl::TObject*) { ++shows; };
    OnClose = [this](vcl::TObject*, vcl::TCloseAction&) { ++closes; };
  }
  int shows = 0;
  int closes = 0;
};

TEST(Application, RunShowsOnlyTheMainFormAndEndsWhenItCloses) {
  CountingForm* mainForm = nullptr;
  CountingForm* other = nullptr;
  vcl::Application->CreateForm(mainForm);
  vcl::Application->CreateForm(other);
  ASSERT_EQ(vcl::Application->MainForm(), mainForm);

  bool mainVisible = false, otherVisible = true;
  QTimer::singleShot(0, [&] {
    mainVisible = mainForm->Visible();
    otherVisible = other->Visible();
    mainForm->Close();
  });
  vcl::Application->Run();
  EXPECT_TRUE(mainVisible);
  EXPECT_FALSE(otherVisible);
  EXPECT_EQ(mainForm->shows, 1);
  EXPECT_EQ(mainForm->closes, 1);
  EXPECT_EQ(other->shows, 0);
  EXPECT_FALSE(mainForm->Visible());
  EXPECT_TRUE(vcl::Application->Terminated());

  vcl::Application->DestroyForms();
  EXPECT_EQ(vcl::Application->MainForm(), nullptr);
}

}  // namespace
