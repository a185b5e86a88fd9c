// Finding a program the way a desktop launcher does: in the absolute folders of PATH.
#pragma once

#include <optional>
#include <string>

namespace platform {

// The full path of the first executable regular file called `name` in PATH's absolute
// folders (the system's default search path when PATH is unset). Empty and relative PATH
// entries are skipped, so nothing is ever run from whatever the working folder happens to
// be. A name that is empty or contains "/" is never looked up.
std::optional<std::string> FindProgramOnPath(const std::string& name);

}  // namespace platform
