// Starting lumpforge-cli as a child process, to let it finish or to kill it.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace lumpforge::testing {

// Starts the program with its output thrown away; returns the child's id.
pid_t StartProcess(const std::string& program, const std::vector<std::string>& args);
// Waits for the child; returns its exit status, or 128 + the signal that ended it.
int WaitProcess(pid_t child);
// Runs the program to its end with standard error captured.
int RunProcess(const std::string& program, const std::vector<std::string>& args, std::string* errorOutput);

}  // namespace lumpforge::testing
