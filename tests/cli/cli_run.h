// Runs lumpforge-cli in-process and keeps what it wrote to each stream.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "commands.h"

namespace lumpforge::testing {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

inline CliRun Cli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  int status = cli::RunCli(args, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace lumpforge::testing
