#include "program_icon.h"

#include <cstdint>
#include <span>
#include <vector>

#include "embedded_resources.h"

namespace lumpforge {

void SetProgramIcon(vcl::TForm& form) {
  std::vector<std::span<const std::uint8_t>> images;
  for (const char* name : {"icon16.png", "icon32.png"}) {
    const std::span<const std::uint8_t> image = resources::Find(name);
    if (!image.empty()) images.push_back(image);
  }
  if (!images.empty()) form.SetIcon(images);
}

}  // namespace lumpforge
