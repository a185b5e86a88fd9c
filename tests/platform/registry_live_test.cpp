// The desktop facts and the web page association, read through the keys where the display
// probe and the About window look for them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "desktop_facts.h"
#include "program_search.h"
#include "registry.h"
#include "registry_live.h"
#include "test_support.h"

namespace {

using platform::ERegistryException;
using platform::HKEY_CLASSES_ROOT;
using platform::TRegistry;

class LiveRegistryTest : public ::testing::Test {
 protected:
  ~LiveRegistryTest() override {
    platform::SetDesktopFactsProvider({});
    platform::SetProgramLocator({});
  }
  void UseFacts(int dpi, int depth) {
    platform::SetDesktopFactsProvider([=] { return platform::DesktopFacts{dpi, depth}; });
  }
  void UseOpener(bool present) {
    platform::SetProgramLocator([present](const std::string& name) {
      return present && name == "xdg-open";
    });
  }
  platform_test::ScratchConfigHome config;
};

// The colour depth as the display probe finds it: the video device's text names the
// driver key by everything after its first "Services\".
int ProbeBitsPerPel() {
  TRegistry devices;
  if (!devices.OpenKey("HARDWARE\\DEVICEMAP\\VIDEO", false)) return 0;
  const std::string device = devices.ReadString("\\Device\\Video0");
  const size_t at = device.find("Services\\");
  const std::string service = at == std::string::npos ? "" : device.substr(at + 9);
  TRegistry driver;
  if (!driver.OpenKey("SYSTEM\\CurrentControlSet\\Hardware Profiles\\Current\\System\\"
                      "CurrentControlSet\\Services\\" + service, false))
    return 0;
  return driver.ReadInteger("DefaultSettings.BitsPerPel");
}

TEST_F(LiveRegistryTest, DisplayFactsAreReadWhereTheProbeLooks) {
  const struct {
    int dpi;
    int depth;
  } desktops[] = {{96, 24}, {120, 8}, {144, 16}};
  for (const auto& desktop : desktops) {
    UseFacts(desktop.dpi, desktop.depth);
    TRegistry fonts;
    ASSERT_TRUE(fonts.OpenKey(
        "SYSTEM\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts", false));
    EXPECT_EQ(fonts.ReadInteger("LogPixels"), desktop.dpi);
    EXPECT_EQ(ProbeBitsPerPel(), desktop.depth);
  }
  EXPECT_FALSE(std::filesystem::exists(config.storeFolder())) << "live values touch no store";
}

TEST_F(LiveRegistryTest, LiveKeysAreReachedStepByStepAndCannotBeWritten) {
  UseFacts(120, 8);
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("hardware", false));
  ASSERT_TRUE(registry.OpenKey("DeviceMap\\video", true)) << "creating an existing key opens it";
  EXPECT_EQ(registry.ReadString("\\device\\video0"), platform::kVideoDeviceText);
  EXPECT_THROW(registry.ReadInteger("\\Device\\Video0"), ERegistryException);
  EXPECT_THROW(registry.WriteString("\\Device\\Video0", "elsewhere"), ERegistryException);
  EXPECT_EQ(registry.ReadString("\\Device\\Video0"), platform::kVideoDeviceText);

  ASSERT_TRUE(registry.OpenKey(
      "\\SYSTEM\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts", false));
  EXPECT_THROW(registry.ReadString("LogPixels"), ERegistryException) << "it is an integer";
  EXPECT_THROW(registry.WriteInteger("LogPixels", 96), ERegistryException);
  EXPECT_EQ(registry.ReadInteger("LogPixels"), 120);
}

// The browser lookup of the About window: ".htm", else ".html", names a class whose
// "shell\open\command" holds the opener.
std::string BrowserCommand() {
  TRegistry association;
  association.RootKey = HKEY_CLASSES_ROOT;
  std::string className;
  if (association.OpenKey(".htm", false)) className = association.ReadString("");
  if (className.empty() && association.OpenKey(".html", false))
    className = association.ReadString("");
  TRegistry command;
  command.RootKey = HKEY_CLASSES_ROOT;
  if (!command.OpenKey(className + "\\shell\\open\\command", false)) return "";
  return command.ReadString("");
}

TEST_F(LiveRegistryTest, WebPagesOpenWithTheDesktopOpenerOnlyWhenThereIsOne) {
  UseOpener(true);
  EXPECT_EQ(BrowserCommand(), "xdg-open %1");
  TRegistry html;
  html.RootKey = HKEY_CLASSES_ROOT;
  ASSERT_TRUE(html.OpenKey(".html", false));
  EXPECT_EQ(html.ReadString(""), platform::kWebPageClass);

  UseOpener(false);
  EXPECT_EQ(BrowserCommand(), "");
  TRegistry root;
  root.RootKey = HKEY_CLASSES_ROOT;
  EXPECT_FALSE(root.OpenKey(".htm", false));
  EXPECT_FALSE(root.OpenKey("\\shell\\open\\command", false));
}

TEST_F(LiveRegistryTest, TheOpenerIsLookedForInThePathsAbsoluteFolders) {
  platform_test::TempFolder bin;
  std::filesystem::create_directories(bin.path() / "rel" );
  auto makeFile = [](const std::filesystem::path& path, mode_t mode) {
    platform_test::WriteWholeFile(path, "#!/bin/sh\n");
    chmod(path.c_str(), mode);
  };
  makeFile(bin.path() / "xdg-open", 0755);
  makeFile(bin.path() / "plain-file", 0644);
  std::filesystem::create_directories(bin.path() / "a-folder");
  makeFile(bin.path() / "rel" / "xdg-open", 0755);
  const std::string folder = bin.path().string();

  {
    platform_test::ScopedEnv path("PATH", "/nonexistent:" + folder);
    EXPECT_EQ(platform::FindProgramOnPath("xdg-open"), folder + "/xdg-open");
    EXPECT_EQ(BrowserCommand(), "xdg-open %1");
    EXPECT_EQ(platform::FindProgramOnPath("plain-file"), std::nullopt) << "not executable";
    EXPECT_EQ(platform::FindProgramOnPath("a-folder"), std::nullopt);
    EXPECT_EQ(platform::FindProgramOnPath(""), std::nullopt);
    EXPECT_EQ(platform::FindProgramOnPath("rel/xdg-open"), std::nullopt) << "names with / are not searched";
  }
  {
    // Relative and empty entries would depend on the working folder: they are skipped.
    std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(bin.path());
    platform_test::ScopedEnv path("PATH", "rel::.");
    EXPECT_EQ(platform::FindProgramOnPath("xdg-open"), std::nullopt);
    EXPECT_EQ(BrowserCommand(), "");
    std::filesystem::current_path(previous);
  }
}

}  // namespace
