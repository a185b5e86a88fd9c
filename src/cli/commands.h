// The subcommands of lumpforge-cli. Each takes the words after its name, writes to the
// given streams and returns the process exit status.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace lumpforge::cli {

// Exit statuses shared by every subcommand.
enum ExitStatus : int {
  kExitOk = 0,
  kExitRefused = 1,      // inputs refused, or a file that is not what it should be
  kExitUsage = 2,        // wrong usage
  kExitWriteFailed = 3,  // the output could not be written; nothing was replaced
};

int RunCompile(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunInspect(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunExtract(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Entry shared by main() and the tests: argv without the program name.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace lumpforge::cli
