// Cutting a registered open command into the program's name and folder.
#include <gtest/gtest.h>

#include "browser_command.h"

namespace {

struct CutCase {
  const char* name;
  const char* command;
  const char* file;
  const char* directory;
};

TEST(CutBrowserCommand, CutsAtTheLastBackslashOfTheWholeText) {
  const CutCase cases[] = {
      {"quoted path with arguments", R"("C:\Program Files\Browser\browse.exe" -nohome "%1")", "browse.exe",
       R"(C:\Program Files\Browser)"},
      {"unquoted path without blank", R"(C:\Browser\browse.exe)", "browse.exe", R"(C:\Browser)"},
      {"unquoted path with arguments", R"(C:\Browser\browse.exe -url %1)", "browse.exe", R"(C:\Browser)"},
      {"no backslash", "xdg-open %1", "xdg-open", ""},
      {"no backslash, no blank", "xdg-open", "xdg-open", ""},
      {"ends in a backslash", R"(C:\Browser\)", "", R"(C:\Browser)"},
      {"backslash in the arguments", R"("C:\Browser\browse.exe" -profile "D:\Profiles\me" %1)", "me",
       R"(C:\Browser\browse.exe" -profile "D:\Profiles)"},
      {"backslash first", R"(\browse.exe %1)", "browse.exe", ""},
      {"quoted name without folder", R"("browse.exe" %1)", "\"browse.exe", ""},
      {"blank right after the backslash", R"(C:\Browser\ x)", "", R"(C:\Browser)"},
      {"empty", "", "", ""},
  };
  for (const CutCase& c : cases) {
    SCOPED_TRACE(c.name);
    const lumpforge::BrowserLaunch launch = lumpforge::CutBrowserCommand(c.command);
    EXPECT_EQ(launch.file, c.file);
    EXPECT_EQ(launch.directory, c.directory);
  }
}

}  // namespace
