// lumpforge-cli compile [FOLDER] [-o FILE]
#include <string>
#include <vector>

#include "commands.h"
#include "usage.h"
#include "wad_compiler.h"

namespace lumpforge::cli {
namespace {

// Answers the compiler's questions for the command line: the folder comes from the
// arguments, progress is not shown, and each problem is one line on standard error.
class CommandLineCompiler : public WadCompiler {
 public:
  CommandLineCompiler(std::string folder, std::ostream& err) : folder_(std::move(folder)), err_(err) {}

 protected:
  std::string ChosenFolder() override { return folder_; }
  void SetProgress(int) override {}
  void ShowProblem(const std::string& text, int, int) override { err_ << text << "\n" << std::flush; }

 private:
  std::string folder_;
  std::ostream& err_;
};

int UsageError(std::ostream& err, const std::string& what) {
  err << "lumpforge-cli compile: " << what << "\n"
      << "Usage: lumpforge-cli compile [FOLDER] [-o FILE]\n";
  return kExitUsage;
}

}  // namespace

int RunCompile(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string folder = ".";
  std::string output;
  bool haveFolder = false;
  bool haveOutput = false;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!optionsEnded && (arg == "-h" || arg == "--help")) {
      out << kUsage;
      return kExitOk;
    }
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (!optionsEnded && (arg == "-o" || arg == "--output" || arg.rfind("--output=", 0) == 0)) {
      if (haveOutput) return UsageError(err, "-o given more than once");
      if (arg.rfind("--output=", 0) == 0) {
        output = arg.substr(9);
      } else if (i + 1 < args.size()) {
        output = args[++i];
      } else {
        return UsageError(err, "option " + arg + " needs a file name");
      }
      if (output.empty()) return UsageError(err, "the output file name is empty");
      haveOutput = true;
      continue;
    }
    if (!optionsEnded && arg.size() > 1 && arg[0] == '-') return UsageError(err, "unknown option '" + arg + "'");
    if (haveFolder) return UsageError(err, "more than one folder given");
    folder = arg;
    haveFolder = true;
  }
  if (folder.empty()) return UsageError(err, "the folder name is empty");

  CommandLineCompiler compiler(folder, err);
  compiler.OutputPath = output;
  try {
    switch (compiler.CompileWad()) {
      case CompileOutcome::Written: {
        const std::string written = output.empty() ? folder + "/gfx.wad" : output;
        std::int64_t size = 0;
        for (int slot = 0; slot < kLumpCount; ++slot) {
          size += std::int64_t{compiler.LumpWidth[slot]} * compiler.LumpHeight[slot] +
                  (kLumpSlots[slot].type == kFontType ? kFontOverhead : kPictureOverhead);
        }
        out << "wrote " << written << " (" << size + 12 + 7 * 32 << " bytes)\n";
        return kExitOk;
      }
      case CompileOutcome::Refused:
        return kExitRefused;
      case CompileOutcome::WriteFailed:
        return kExitWriteFailed;
    }
  } catch (const MetricsLoadError& error) {
    err << error.what() << ".\n";
    return kExitRefused;
  }
  return kExitRefused;
}

}  // namespace lumpforge::cli
