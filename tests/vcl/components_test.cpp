// Images, shapes, progress bars, popup menus and the application object.
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "application.h"
#include "form.h"
#include "image.h"
#include "popup_menu.h"
#include "progress_bar.h"
#include "shape.h"
#include "test_support.h"

namespace {

// An 8-bit, 256-colour BMP of the given size as the program's pictures are stored.
std::vector<std::uint8_t> EightBitBmp(int width, int height) {
  const int stride = (width + 3) / 4 * 4;
  const std::uint32_t pixelOffset = 14 + 40 + 256 * 4;
  const std::uint32_t fileSize = pixelOffset + static_cast<std::uint32_t>(stride * height);
  std::vector<std::uint8_t> bytes;
  auto put16 = [&](std::uint32_t v) { bytes.push_back(v & 0xFF); bytes.push_back((v >> 8) & 0xFF); };
  auto put32 = [&](std::uint32_t v) { put16(v & 0xFFFF); put16(v >> 16); };
  bytes.push_back('B');
  bytes.push_back('M');
  put32(fileSize); put32(0); put32(pixelOffset);
  put32(40); put32(static_cast<std::uint32_t>(width)); put32(static_cast<std::uint32_t>(height));
  put16(1); put16(8); put32(0); put32(0); put32(2835); put32(2835); put32(256); put32(0);
  for (int i = 0; i < 256; ++i) { bytes.push_back(i); bytes.push_back(i); bytes.push_back(i); bytes.push_back(0); }
  bytes.resize(fileSize, 7);
  return bytes;
}

TEST(Image, AutoSizeTakesThePicturesSizeAndBadBytesKeepTheOldPicture) {
  vcl::TForm form;
  auto* image = new vcl::TImage(&form);
  image->SetAutoSize(true);
  image->SetBounds(16, 20, 5, 5);
  image->LoadPicture(EightBitBmp(340, 261));
  EXPECT_EQ(image->Picture()->Width(), 340);
  EXPECT_EQ(image->Picture()->Height(), 261);
  EXPECT_EQ(image->Width(), 340);
  EXPECT_EQ(image->Height(), 261);
  EXPECT_EQ(image->Left(), 16);

  const std::vector<std::uint8_t> junk = {'B', 'M', 1, 2, 3};
  EXPECT_THROW(image->LoadPicture(junk), std::runtime_error);
  EXPECT_EQ(image->Picture()->Width(), 340);

  auto* fixed = new vcl::TImage(&form);
  fixed->SetBounds(0, 0, 16, 16);
  fixed->LoadPicture(EightBitBmp(32, 32));
  EXPECT_EQ(fixed->Width(), 16);
}

TEST(Shape, DefaultsToBlackPenAndWhiteBrush) {
  vcl::TForm form;
  auto* shape = new vcl::TShape(&form);
  EXPECT_EQ(shape->Pen()->Color(), vcl::clBlack);
  EXPECT_EQ(shape->Pen()->Width(), 1);
  EXPECT_EQ(shape->Brush()->Color(), vcl::clWhite);
}

TEST(ProgressBar, PositionStaysWithinTheRange) {
  vcl::TForm form;
  auto* bar = new vcl::TProgressBar(&form);
  bar->SetMin(0);
  bar->SetMax(70);
  struct Case {
    int set, expected;
  };
  for (const Case c : {Case{10, 10}, Case{70, 70}, Case{80, 70}, Case{-5, 0}}) {
    bar->SetPosition(c.set);
    EXPECT_EQ(bar->Position(), c.expected) << c.set;
  }
}

TEST(PopupMenu, OpensAtTheGivenPointAndRunsTheChosenItem) {
  vcl::TForm form;
  auto* menu = new vcl::TPopupMenu(&form);
  auto* exit = new vcl::TMenuItem(menu);
  exit->SetCaption("Exit");
  int clicks = 0;
  exit->OnClick = [&](vcl::TObject*) { ++clicks; };
  int seenX = 0, seenY = 0;
  vcl::SetPopupHook([&](vcl::TPopupMenu& shown, int x, int y) {
    seenX = x;
    seenY = y;
    return shown.Items(0);
  });
  menu->Popup(117, 136);
  vcl::SetPopupHook([](vcl::TPopupMenu&, int, int) { return nullptr; });
  menu->Popup(0, 0);
  vcl::SetPopupHook({});
  EXPECT_EQ(seenX, 117);
  EXPECT_EQ(seenY, 136);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(menu->Count(), 1);
}

TEST(Application, ExceptionReportIsTheMessageFollowedByAFullStopUnderTheTitle) {
  struct Case {
    const char* message;
    const char* report;
  };
  const Case cases[] = {{"Text exceeds memo capacity", "Text exceeds memo capacity."},
                        {"Already ends with one.", "Already ends with one."},
                        {"", "."}};
  vcl_test::MessageBoxRecorder boxes;
  for (const Case& c : cases) vcl::Application->ShowException(std::runtime_error(c.message));
  ASSERT_EQ(boxes.shown.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(boxes.shown[i].text, cases[i].report);
    EXPECT_EQ(boxes.shown[i].caption, "Lumpforge Compiler");
    EXPECT_EQ(boxes.shown[i].icon, vcl::MessageBoxIcon::Error);
  }
}

}  // namespace
