// lumpforge-make-samples FOLDER: writes the nine sample inputs of the compiler (seven
// bitmaps, two metrics files) into FOLDER, normally samples/.
#include "art/samples.h"

int main(int argc, char** argv) {
  return lumpforge::art::RunGenerator(argc, argv, "lumpforge-make-samples",
                                      lumpforge::art::MakeSamples());
}
