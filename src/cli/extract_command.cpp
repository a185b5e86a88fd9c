// lumpforge-cli extract FILE [FOLDER] (placeholder until the gfx.wad reader lands)
#include "commands.h"

namespace lumpforge::cli {

int RunExtract(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
  err << "lumpforge-cli extract: not available in this build\n";
  return kExitUsage;
}

}  // namespace lumpforge::cli
