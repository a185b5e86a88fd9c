#include <iostream>
#include <string>
#include <vector>

#include "commands.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return lumpforge::cli::RunCli(args, std::cout, std::cerr);
}
