// The user's own copy of the bundled sample inputs, so a first run can compile at once.
//
// The bundled samples are read-only where they are installed; the program copies them
// once into the user's data folder ($XDG_DATA_HOME/lumpforge/samples, by default
// ~/.local/share/lumpforge/samples) and opens the folder chooser there while no folder
// is remembered. An existing copy is never touched again, so the user's edits survive.
#pragma once

#include <string>

namespace lumpforge {

// $XDG_DATA_HOME/lumpforge/samples when XDG_DATA_HOME is an absolute path, else
// $HOME/.local/share/lumpforge/samples; empty when no home folder is known.
std::string UserSamplesFolder();

// The samples that came with the program: share/lumpforge/samples beside the program's
// installation (<prefix>/bin/lumpforge -> <prefix>/share/lumpforge/samples), else the
// samples folder of the source tree the program was built from. Empty when neither exists.
std::string BundledSamplesFolder();

// Copies the regular files of `bundled` (all but a compiled gfx.wad) into `target` unless
// `target` already exists. The copy is made under a temporary name beside `target` and
// renamed into place when complete, so a half-made copy is never mistaken for the real one.
// Returns `target` when it is a folder afterwards, else empty (nothing could be made).
std::string ProvideUserSamples(const std::string& bundled, const std::string& target);

// The same with the default places.
std::string ProvideUserSamples();

}  // namespace lumpforge
