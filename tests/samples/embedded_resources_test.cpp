// The program finds each of its resources by name, with the bytes of the committed file.
#include <gtest/gtest.h>

#include <string>

#include "embedded_resources.h"
#include "image_probe.h"
#include "test_files.h"

namespace {

TEST(EmbeddedResources, FindReturnsEachCommittedFileWithItsDimensions) {
  const struct { const char* name; const char* file; int width, height; } resources[] = {
      {"HAND", "hand_cursor.bin", 32, 32},        {"background.bmp", "background.bmp", 340, 261},
      {"logo16.bmp", "logo16.bmp", 16, 16},       {"logo32.bmp", "logo32.bmp", 32, 32},
      {"banner.bmp", "banner.bmp", 284, 224},     {"icon16.png", "icon16.png", 16, 16},
      {"icon32.png", "icon32.png", 32, 32},
  };
  for (const auto& resource : resources) {
    SCOPED_TRACE(resource.name);
    const auto bytes = lumpforge::resources::Find(resource.name);
    const std::vector<std::uint8_t> found(bytes.begin(), bytes.end());
    EXPECT_TRUE(found == lumpforge::test::ReadFile(lumpforge::test::ResourcesDir() / resource.file));
    const std::string name = resource.name;
    if (name == "HAND") {
      EXPECT_EQ(found.size(), 2u * 32 * 32 / 8);  // two masks of 32 x 32 bits
    } else if (name.ends_with(".png")) {
      std::string why;
      const auto icon = lumpforge::test::ReadStoredPng(found, why);
      ASSERT_TRUE(icon) << why;
      EXPECT_EQ(icon->width, resource.width);
      EXPECT_EQ(icon->height, resource.height);
    } else {
      const auto header = lumpforge::BitmapHeader::Parse(found, found.size());
      EXPECT_EQ(header.width, resource.width);
      EXPECT_EQ(header.height, resource.height);
      EXPECT_EQ(header.bitsPerPixel, 8);
    }
  }
  EXPECT_EQ(lumpforge::resources::Names().size(), std::size(resources));
}

TEST(EmbeddedResources, UnknownNamesFindNothing) {
  for (const char* name : {"", "hand", "HAND ", "missing.bmp", "background"})
    EXPECT_TRUE(lumpforge::resources::Find(name).empty()) << '"' << name << '"';
}

}  // namespace
