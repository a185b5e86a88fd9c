#include "browser_command.h"

namespace lumpforge {

BrowserLaunch CutBrowserCommand(const std::string& command) {
  BrowserLaunch launch;
  const std::string::size_type lastBackslash = command.rfind('\\');
  if (lastBackslash == std::string::npos) {
    launch.file = command;
  } else {
    launch.directory = command.substr(0, lastBackslash);
    if (!launch.directory.empty() && launch.directory.front() == '"') launch.directory.erase(0, 1);
    launch.file = command.substr(lastBackslash + 1);
  }
  const std::string::size_type blank = launch.file.find(' ');
  if (blank != std::string::npos) launch.file.erase(blank);
  if (!launch.file.empty() && launch.file.back() == '"') launch.file.pop_back();
  return launch;
}

}  // namespace lumpforge
