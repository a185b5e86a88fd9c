// The screen's custom cursor table: Win32 monochrome images become Qt cursors.
#include <gtest/gtest.h>

#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "form.h"
#include "label.h"
#include "screen.h"
#include "win32.h"

namespace {

TEST(CursorTable, MonochromeMasksBecomeTransparentBlackAndWhitePixels) {
  // One row of 8 pixels: AND 1111 0000, XOR 1000 1010 -> pixels
  // 0-3 transparent except 0 (AND 1 XOR 1, drawn black), 4 white, 5 black, 6 white, 7 black.
  static const CursorImage image{8, 1, 3, 0, {0xF0}, {0x8A}};
  vcl::Screen->Cursors[7] = &image;
  vcl::TForm form;
  auto* label = new vcl::TLabel(&form);
  label->SetCursor(7);
  const QCursor cursor = label->Widget()->cursor();
  EXPECT_EQ(cursor.hotSpot(), QPoint(3, 0));
  const QImage pixels = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(pixels.width(), 8);
  const QRgb expected[8] = {0xFF000000u, 0, 0, 0, 0xFFFFFFFFu, 0xFF000000u, 0xFFFFFFFFu, 0xFF000000u};
  for (int x = 0; x < 8; ++x) {
    if (expected[x] == 0)
      EXPECT_EQ(qAlpha(pixels.pixel(x, 0)), 0) << x;
    else
      EXPECT_EQ(pixels.pixel(x, 0), expected[x]) << x;
  }
  vcl::Screen->Cursors[7] = nullptr;
}

TEST(CursorTable, ReplacingANumberUpdatesControlsShowingIt) {
  vcl::TForm form;
  auto* link = new vcl::TLabel(&form);
  link->SetCursor(vcl::crHand);
  vcl::Screen->Cursors[vcl::crHand] = LoadCursorA(vcl::HInstance, "HAND");
  const QCursor hand = link->Widget()->cursor();
  EXPECT_EQ(hand.shape(), Qt::BitmapCursor);
  EXPECT_EQ(hand.hotSpot(), QPoint(10, 5));
  EXPECT_EQ(hand.pixmap().size(), QSize(32, 32));

  static const CursorImage tiny{8, 1, 1, 0, {0x00}, {0x00}};
  vcl::Screen->Cursors[vcl::crHand] = &tiny;
  EXPECT_EQ(link->Widget()->cursor().hotSpot(), QPoint(1, 0));
  vcl::Screen->Cursors[vcl::crHand] = LoadCursorA(vcl::HInstance, "HAND");
}

}  // namespace
