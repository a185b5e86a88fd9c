// Dispatches lumpforge-cli's subcommands.
#include "commands.h"

#include "usage.h"

namespace lumpforge::cli {

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << kUsage;
    return kExitUsage;
  }
  const std::string& command = args[0];
  std::vector<std::string> rest(args.begin() + 1, args.end());
  if (command == "-h" || command == "--help" || command == "help") {
    out << kUsage;
    return kExitOk;
  }
  if (command == "-V" || command == "--version") {
    out << "lumpforge-cli " << LUMPFORGE_VERSION << "\n";
    return kExitOk;
  }
  if (command == "compile") return RunCompile(rest, out, err);
  if (command == "inspect") return RunInspect(rest, out, err);
  if (command == "extract") return RunExtract(rest, out, err);
  err << "lumpforge-cli: unknown command '" << command << "'\n"
      << "Try 'lumpforge-cli --help'.\n";
  return kExitUsage;
}

}  // namespace lumpforge::cli
