// Labels and fonts: point size then pixel height, auto-size, and the order of mouse events.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "form.h"
#include "label.h"
#include "qt_bridge.h"
#include "test_support.h"
#include "user_input.h"

namespace {

TEST(Font, PointSizeSetsPixelHeightAtTheDisplaysPixelsPerInch) {
  struct Case {
    int dpi, points, height;
  };
  const Case cases[] = {{96, 9, -12}, {96, 12, -16}, {96, 16, -21}, {96, 11, -15}, {96, 7, -9},
                        {120, 9, -15}, {120, 7, -12}, {120, 11, -18}};
  for (const Case& c : cases) {
    vcl_test::DpiScope dpi(c.dpi);
    vcl::TFont font;
    font.SetSize(c.points);
    EXPECT_EQ(font.Height(), c.height) << c.points << " pt at " << c.dpi;
    EXPECT_EQ(font.Size(), c.points);
  }
}

TEST(Font, HeightSetAfterSizeIsTheOneThatHolds) {
  vcl_test::DpiScope dpi(120);
  vcl::TForm form;
  auto* label = new vcl::TLabel(&form);
  label->Font()->SetSize(9);
  label->Font()->SetHeight(-12);
  EXPECT_EQ(label->Font()->Height(), -12);
  EXPECT_EQ(vcl::ToQFont(*label->Font()).pixelSize(), 12);
}

TEST(Font, ArialAndMsSansSerifResolveToInstalledFaces) {
  EXPECT_EQ(QFontInfo(vcl::ToQFont([] {
              vcl::TFont font;
              font.SetName("Arial");
              return font;
            }())).family(),
            "Liberation Sans");
  EXPECT_EQ(QFontInfo(vcl::ToQFont(vcl::TFont())).family(), "DejaVu Sans");
}

TEST(LabelAutoSize, TakesItsTextsSizeOnCaptionAndFontChangesKeepingLeftAndTop) {
  vcl::TForm form;
  auto* label = new vcl::TLabel(&form);
  label->SetBounds(307, 12, 12, 24);
  label->Font()->SetName("Arial");
  label->Font()->SetStyle(vcl::fsBold);
  label->SetCaption("x");
  label->Font()->SetHeight(-21);
  // Liberation Sans has Arial's widths: a bold 21 px "x" is 12 wide, as the close button
  // of the main window expects; the height is one line of the font.
  const int line = QFontMetrics(vcl::ToQFont(*label->Font())).height();
  EXPECT_EQ(label->Left(), 307);
  EXPECT_EQ(label->Top(), 12);
  EXPECT_EQ(label->Width(), 12);
  EXPECT_EQ(label->Height(), line);
  EXPECT_GE(line, 22);

  label->SetCaption("xx");
  EXPECT_GT(label->Width(), 12);
  EXPECT_EQ(label->Left(), 307);

  label->SetCaption("one\ntwo");
  EXPECT_EQ(label->Height(), 2 * line);
}

TEST(LabelAutoSize, BoundsSetAfterTheFontHoldAndAutoSizeOffNeverResizes) {
  vcl::TForm form;
  auto* sized = new vcl::TLabel(&form);
  sized->SetCaption("Quillmere Lumpforge Compiler");
  sized->Font()->SetHeight(-15);
  sized->SetBounds(57, 58, 224, 20);
  EXPECT_EQ(sized->Width(), 224);
  EXPECT_EQ(sized->Height(), 20);

  auto* fixed = new vcl::TLabel(&form);
  fixed->SetAutoSize(false);
  fixed->SetBounds(85, 24, 81, 15);
  fixed->SetCaption("a much longer caption than the label");
  fixed->Font()->SetHeight(-20);
  EXPECT_EQ(fixed->Width(), 81);
  EXPECT_EQ(fixed->Height(), 15);
}

TEST(LabelAutoSize, SettingTheFontAfterTheBoundsResizesEvenWhenTheHeightStays) {
  vcl::TForm form;
  auto* label = new vcl::TLabel(&form);
  label->Font()->SetName("Arial");
  label->Font()->SetHeight(-15);
  label->SetCaption("Quillmere Lumpforge Compiler");
  label->SetBounds(57, 60, 224, 20);
  label->Font()->SetSize(11);  // -15 again at 96 pixels per inch
  label->Font()->SetHeight(-15);
  EXPECT_EQ(label->Height(), QFontMetrics(vcl::ToQFont(*label->Font())).height());
  EXPECT_LT(label->Width(), 224);
  EXPECT_EQ(label->Left(), 57);
  EXPECT_EQ(label->Top(), 60);
}

TEST(LabelAutoSize, WordWrapBreaksAtBlanksWithinTheWidth) {
  vcl::TForm form;
  auto* label = new vcl::TLabel(&form);
  label->Font()->SetName("Arial");
  label->Font()->SetHeight(-12);
  label->SetAutoSize(false);
  label->SetWordWrap(true);
  label->SetBounds(0, 0, 60, 18);
  label->SetCaption("Could not locate lambda.bmp. at all");
  const auto lines = label->Lines();
  const QFontMetrics metrics(vcl::ToQFont(*label->Font()));
  // A word wider than the label keeps a line to itself; other lines fit the width.
  EXPECT_EQ(lines, (std::vector<std::string>{"Could not", "locate", "lambda.bmp.", "at all"}));
  int widest = 0;
  for (const auto& line : lines) {
    const int width = metrics.horizontalAdvance(vcl::ToQString(line));
    widest = std::max(widest, width);
    if (line != "lambda.bmp.") {
      EXPECT_LE(width, 60) << line;
    }
  }

  label->SetAutoSize(true);
  EXPECT_EQ(label->Width(), widest);
  EXPECT_EQ(label->Height(), 4 * metrics.height());
}

// The order in which a label's handlers run for what the mouse does.
TEST(LabelMouse, ClickRunsBeforeMouseUp) {
  vcl::TForm form;
  auto* label = new vcl::TLabel(&form);
  label->SetAutoSize(false);
  label->SetBounds(20, 134, 57, 24);
  std::vector<std::string> order;
  label->OnMouseDown = [&](vcl::TObject*, vcl::TMouseButton b, vcl::TShiftState, int, int) {
    order.push_back(b == vcl::mbLeft ? "down" : "down-other");
  };
  label->OnClick = [&](vcl::TObject*) { order.push_back("click"); };
  label->OnMouseUp = [&](vcl::TObject*, vcl::TMouseButton, vcl::TShiftState, int, int) {
    order.push_back("up");
  };
  label->OnDblClick = [&](vcl::TObject*) { order.push_back("double"); };

  struct Case {
    const char* what;
    std::function<void()> act;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"left click", [&] { vcl::ClickControl(*label); }, {"down", "click", "up"}},
      {"right click", [&] { vcl::ClickControl(*label, vcl::mbRight); }, {"down-other", "up"}},
      {"double click", [&] { vcl::DoubleClickControl(*label); },
       {"down", "click", "up", "double", "down", "up"}},
  };
  for (const Case& c : cases) {
    order.clear();
    c.act();
    EXPECT_EQ(order, c.expected) << c.what;
  }
}

TEST(LabelMouse, ExceptionEscapingAHandlerIsReportedAndInputGoesOn) {
  vcl_test::MessageBoxRecorder boxes;
  vcl::TForm form;
  auto* label = new vcl::TLabel(&form);
  int ups = 0;
  label->OnClick = [](vcl::TObject*) { throw std::runtime_error("Cannot open file /in/conchars.txt"); };
  label->OnMouseUp = [&](vcl::TObject*, vcl::TMouseButton, vcl::TShiftState, int, int) { ++ups; };
  vcl::ClickControl(*label);
  vcl::ClickControl(*label);
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].caption, "Lumpforge Compiler");
  EXPECT_EQ(boxes.shown[0].text, "Cannot open file /in/conchars.txt.");
  EXPECT_EQ(boxes.shown[0].icon, vcl::MessageBoxIcon::Error);
  EXPECT_EQ(ups, 2);
}

}  // namespace
