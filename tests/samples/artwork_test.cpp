// The artwork has the sizes and roles the windows give it: the main window's light frame
// around a dark panel, logos that blend into where they are placed, a dark banner with
// the maker's name in orange, icons with transparent corners, and a hand cursor whose
// fingertip is its hot spot.
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>

#include "art/artwork.h"
#include "image_probe.h"

using lumpforge::BitmapHeader;
using lumpforge::BitmapImage;
using namespace lumpforge::test;

namespace {

std::map<std::string, std::vector<std::uint8_t>> Artwork() {
  std::map<std::string, std::vector<std::uint8_t>> files;
  for (auto& file : lumpforge::art::MakeArtwork()) files[file.name] = file.bytes;
  return files;
}

BitmapImage Decode(const std::vector<std::uint8_t>& bytes) {
  BitmapImage image;
  if (!ReadWindowPicture(bytes, image)) throw std::runtime_error("not a readable 8-bit BMP");
  return image;
}

// The maker's orange and the lighter and darker shades of it the artwork uses.
bool IsOrange(Rgb c) { return c.r > 200 && c.g > 80 && c.g < 200 && c.b < 80; }

double MeanLuma(const BitmapImage& image, int x0, int y0, int x1, int y1) {
  long sum = 0, count = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x, ++count) sum += ColourAt(image, x, y).Luma();
  return static_cast<double>(sum) / static_cast<double>(count);
}

TEST(Artwork, PicturesAreUncompressed8BitBitmapsOfTheirSizes) {
  const auto files = Artwork();
  const struct { const char* name; int width, height; } pictures[] = {
      {"background.bmp", 340, 261}, {"logo16.bmp", 16, 16},
      {"logo32.bmp", 32, 32},       {"banner.bmp", 284, 224}};
  for (const auto& picture : pictures) {
    SCOPED_TRACE(picture.name);
    const auto& bytes = files.at(picture.name);
    const BitmapHeader header = BitmapHeader::Parse(bytes, bytes.size());
    EXPECT_EQ(header.width, picture.width);
    EXPECT_EQ(header.height, picture.height);
    EXPECT_EQ(header.bitsPerPixel, 8);
    EXPECT_EQ(header.infoHeaderSize, 40u);
    EXPECT_EQ(header.compression, 0u);
    EXPECT_EQ(header.PaletteEntries(), 256u);
    // Rows padded to four bytes: 340 and 284 already are multiples of four.
    EXPECT_EQ(bytes.size(), 1078u + static_cast<std::size_t>(picture.width) * picture.height);
    const BitmapImage image = Decode(bytes);
    EXPECT_EQ(image.width, picture.width);
  }
}

TEST(Artwork, BackgroundIsADarkPanelInABevelledLightFrame) {
  const BitmapImage background = Decode(Artwork().at("background.bmp"));
  const double frameTop = MeanLuma(background, 0, 0, 340, 4);
  const double frameLeft = MeanLuma(background, 0, 0, 4, 261);
  const double frameBottom = MeanLuma(background, 0, 259, 340, 261);
  const double panel = MeanLuma(background, 20, 49, 306, 129);  // behind the help text
  EXPECT_GT(frameTop, 150);
  EXPECT_GT(frameLeft, 150);
  EXPECT_LT(panel, 70);
  EXPECT_GT(frameTop, frameBottom) << "lit from the top left";
  // The drag band and the text areas stay dark so the white and orange labels read well.
  EXPECT_LT(MeanLuma(background, 35, 6, 303, 40), 80);
  EXPECT_LT(MeanLuma(background, 20, 161, 289, 249), 70);
}

TEST(Artwork, LogosAreCircularAndBlendIntoWhereTheySit) {
  const auto files = Artwork();
  const BitmapImage background = Decode(files.at("background.bmp"));
  const BitmapImage logo16 = Decode(files.at("logo16.bmp"));
  const BitmapImage logo32 = Decode(files.at("logo32.bmp"));
  // The small logo sits at (16, 20) on the main window: its corners are the background's.
  for (auto [x, y] : {std::pair{0, 0}, {15, 0}, {0, 15}, {15, 15}})
    EXPECT_EQ(ColourAt(logo16, x, y), ColourAt(background, 16 + x, 20 + y)) << x << "," << y;
  // The large one sits in the About window's white frame.
  for (auto [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}})
    EXPECT_EQ(ColourAt(logo32, x, y), (Rgb{255, 255, 255}));
  // Inside the circle: orange, and the circle reaches the middle of each edge.
  for (const BitmapImage* logo : {&logo16, &logo32}) {
    bool orange = false;
    for (int y = 0; y < logo->height; ++y)
      for (int x = 0; x < logo->width; ++x) orange = orange || IsOrange(ColourAt(*logo, x, y));
    EXPECT_TRUE(orange);
    const int mid = logo->width / 2;
    EXPECT_NE(ColourAt(*logo, mid, 1), ColourAt(*logo, 0, 0)) << "the circle reaches the edge";
  }
}

TEST(Artwork, BannerIsDarkWithTheMakersNameInOrangeAcrossItsTop) {
  const BitmapImage banner = Decode(Artwork().at("banner.bmp"));
  EXPECT_LT(MeanLuma(banner, 0, 56, 284, 224), 50) << "the labels below are white";
  int orangeTop = 0, orangeBelow = 0;
  for (int y = 0; y < banner.height; ++y)
    for (int x = 0; x < banner.width; ++x) {
      const Rgb c = ColourAt(banner, x, y);
      if (IsOrange(c)) (y < 52 ? orangeTop : orangeBelow)++;
    }
  EXPECT_GT(orangeTop, 300);
  EXPECT_LT(orangeBelow, 2 * 284) << "at most the rule under the name";
}

TEST(Artwork, IconsArePngsWithTransparentCornersAndAnOpaqueMiddle) {
  const auto files = Artwork();
  for (const auto& [name, size] : {std::pair{"icon16.png", 16}, {"icon32.png", 32}}) {
    SCOPED_TRACE(name);
    std::string why;
    const auto icon = ReadStoredPng(files.at(name), why);
    ASSERT_TRUE(icon) << why;
    EXPECT_EQ(icon->width, size);
    EXPECT_EQ(icon->height, size);
    EXPECT_EQ(icon->Alpha(0, 0), 0);
    EXPECT_EQ(icon->Alpha(size - 1, size - 1), 0);
    EXPECT_EQ(icon->Alpha(size / 2, size / 2), 255);
    EXPECT_EQ(icon->Alpha(size / 2, 0), 255);
  }
}

TEST(Artwork, HandCursorIsAWhiteHandOutlinedInBlackPointingAtItsHotSpot) {
  const std::vector<std::uint8_t> cursor = lumpforge::art::MakeHandCursor();
  ASSERT_EQ(cursor.size(), 256u);
  const int hx = lumpforge::art::kHandHotSpotX, hy = lumpforge::art::kHandHotSpotY;
  EXPECT_EQ(hx, 10);
  EXPECT_EQ(hy, 5);
  EXPECT_EQ(CursorPixel(cursor, hx, hy), 'b') << "the fingertip's outline is the hot spot";
  int white = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const char pixel = CursorPixel(cursor, x, y);
      EXPECT_NE(pixel, 'i') << x << "," << y;
      if (y < hy) {
        EXPECT_EQ(pixel, 't') << "nothing above the fingertip: " << x << "," << y;
      }
      if (pixel != 'w') continue;
      ++white;
      // Every white pixel is closed in: no white pixel touches transparency or the edge.
      for (auto [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
        const int nx = x + dx, ny = y + dy;
        ASSERT_TRUE(nx >= 0 && ny >= 0 && nx < 32 && ny < 32);
        EXPECT_NE(CursorPixel(cursor, nx, ny), 't') << "open outline at " << x << "," << y;
      }
    }
  EXPECT_GT(white, 150) << "a hand, not a speck";
  // The index finger points up: right below the tip a narrow column of white.
  for (int y = hy + 1; y < hy + 5; ++y) EXPECT_EQ(CursorPixel(cursor, hx, y), 'w');
}

}  // namespace
