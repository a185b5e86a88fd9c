// Who made the program: shown in the About window and recorded in the maker's settings key.
#pragma once

namespace lumpforge::maker {

// The maker's web address: the About window's link, its tooltip and (followed by a slash)
// the page the browser is asked to open; also the data of the maker key's value.
inline constexpr const char* kWebAddress = "http://www.quillmere.example/lumpforge";
// The name of the string value written into the maker key at every start.
inline constexpr const char* kSlogan = "Shaping worlds, one lump at a time";
inline constexpr const char* kAuthorLine = "The Lumpforge developers";
inline constexpr const char* kProductName = "Quillmere Lumpforge Compiler";
inline constexpr const char* kVersionText = "Version 1.0";

// The settings keys, below the local-machine root.
inline constexpr const char* kMakerKey = "SOFTWARE\\Quillmere";
inline constexpr const char* kProgramSubKey = "Lumpforge";
inline constexpr const char* kProgramKey = "SOFTWARE\\Quillmere\\Lumpforge";
inline constexpr const char* kLastOpenedValue = "LastOpened";

}  // namespace lumpforge::maker
