// lumpforge-cli inspect FILE (placeholder until the gfx.wad reader lands)
#include "commands.h"

namespace lumpforge::cli {

int RunInspect(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
  err << "lumpforge-cli inspect: not available in this build\n";
  return kExitUsage;
}

}  // namespace lumpforge::cli
