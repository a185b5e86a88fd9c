// The version, cursor position and hand cursor stand-ins.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "desktop_facts.h"
#include "win32.h"

#if __has_include("embedded_resources.h")
#include "embedded_resources.h"
#define HAVE_RESOURCES 1
#endif

namespace {

TEST(Win32Test, TheVersionIsOfTheNtFamilyWhenTheRecordIsSizedRight) {
  OSVERSIONINFOA info;
  std::memset(&info, 0x7F, sizeof info);
  info.dwOSVersionInfoSize = 148;
  ASSERT_TRUE(GetVersionExA(&info));
  EXPECT_EQ(info.dwPlatformId, 2u);
  EXPECT_EQ(info.szCSDVersion[0], '\0');

  OSVERSIONINFOA wrong;
  std::memset(&wrong, 0, sizeof wrong);
  wrong.dwOSVersionInfoSize = 20;
  EXPECT_FALSE(GetVersionExA(&wrong));
  EXPECT_EQ(wrong.dwPlatformId, 0u);
  EXPECT_FALSE(GetVersionExA(nullptr));
}

TEST(Win32Test, TheCursorPositionComesFromTheDesktop) {
  platform::SetCursorPositionProvider([] { return platform::CursorPosition{-40, 1203}; });
  POINT point{0, 0};
  EXPECT_TRUE(GetCursorPos(&point));
  EXPECT_EQ(point.x, -40);
  EXPECT_EQ(point.y, 1203);
  platform::SetCursorPositionProvider({});
  EXPECT_FALSE(GetCursorPos(nullptr));
}

TEST(Win32Test, OnlyTheHandCursorIsKnown) {
  EXPECT_EQ(LoadCursorA(nullptr, "ARROW"), nullptr);
  EXPECT_EQ(LoadCursorA(nullptr, ""), nullptr);
  // A numbered resource is a small number in the pointer, never an address to read.
  EXPECT_EQ(LoadCursorA(nullptr, reinterpret_cast<const char*>(std::uintptr_t{32512})), nullptr);
  EXPECT_EQ(LoadCursorA(nullptr, nullptr), nullptr);
}

#ifdef HAVE_RESOURCES
TEST(Win32Test, TheHandIs32By32WithItsHotSpotOnTheFingertip) {
  HCURSOR hand = LoadCursorA(nullptr, "HAND");
  ASSERT_NE(hand, nullptr);
  EXPECT_EQ(hand->width, 32);
  EXPECT_EQ(hand->height, 32);
  EXPECT_EQ(hand->hotX, 10);
  EXPECT_EQ(hand->hotY, 5);
  ASSERT_EQ(hand->andMask.size(), 128u);
  ASSERT_EQ(hand->xorMask.size(), 128u);
  const auto bytes = lumpforge::resources::Find("HAND");
  EXPECT_TRUE(std::equal(hand->andMask.begin(), hand->andMask.end(), bytes.begin()));
  EXPECT_TRUE(std::equal(hand->xorMask.begin(), hand->xorMask.end(), bytes.begin() + 128));
  EXPECT_EQ(LoadCursorA(nullptr, "hand"), hand) << "resource names ignore case; one image";
  // The hot spot is a drawn pixel (AND bit clear), the tip of the pointing finger.
  const int bit = 7 - hand->hotX % 8;
  EXPECT_EQ((hand->andMask[hand->hotY * 4 + hand->hotX / 8] >> bit) & 1, 0);
  EXPECT_EQ((hand->andMask[(hand->hotY - 1) * 4 + hand->hotX / 8] >> bit) & 1, 1)
      << "nothing is drawn above the fingertip";
}
#endif

}  // namespace
