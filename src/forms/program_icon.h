// The program icon that every window carries.
#pragma once

#include "form.h"

namespace lumpforge {

// Gives the form the program icon in its 16 x 16 and 32 x 32 images.
void SetProgramIcon(vcl::TForm& form);

}  // namespace lumpforge
