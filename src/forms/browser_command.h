// Turning a registered "open" command text into the program to start and its folder.
#pragma once

#include <string>

namespace lumpforge {

struct BrowserLaunch {
  std::string file;       // the program's bare file name
  std::string directory;  // the folder it lies in; empty when the text names none
};

// The cut of a command text such as "\"C:\\Browser\\browse.exe\" -nohome \"%1\"":
//  - the last backslash of the WHOLE text splits it (even one inside the arguments);
//  - the folder is everything before that backslash, with a leading double quote removed;
//  - the name is everything after it, up to its first blank, with a trailing double
//    quote removed.
// The command's own arguments are never used.
BrowserLaunch CutBrowserCommand(const std::string& command);

}  // namespace lumpforge
