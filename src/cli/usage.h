// The help text of lumpforge-cli.
#pragma once

namespace lumpforge::cli {

inline constexpr const char* kUsage =
    "Usage: lumpforge-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Compiles the nine graphics inputs of a folder into a WAD3 gfx.wad, and reads such files.\n"
    "\n"
    "Commands:\n"
    "  compile [FOLDER] [-o FILE]      compile FOLDER (default: the current folder) into\n"
    "                                  FOLDER/gfx.wad, or into FILE\n"
    "  inspect FILE                    list a gfx.wad and check its invariants\n"
    "  extract FILE [FOLDER] [--force] write the nine inputs that compile into FILE\n"
    "\n"
    "The inputs: lambda.bmp, lambda64.bmp, lambda32.bmp, paused.bmp, conchars.bmp,\n"
    "conchars.txt, creditsfont.bmp, creditsfont.txt, backtile.bmp.\n"
    "\n"
    "compile writes every problem with the inputs to standard error, one line each, and\n"
    "on success one line naming the file written to standard output.\n"
    "\n"
    "Options:\n"
    "  -h, --help     show this help and exit\n"
    "  -V, --version  show the version and exit\n"
    "\n"
    "Exit status:\n"
    "  0  done\n"
    "  1  the inputs were refused (or FILE is not a usable gfx.wad); nothing written\n"
    "  2  wrong usage\n"
    "  3  the output could not be written; nothing replaced\n";

}  // namespace lumpforge::cli
