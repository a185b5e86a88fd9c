// lumpforge-make-artwork FOLDER: writes the program's artwork (window pictures, logos,
// icon, hand cursor) into FOLDER, normally resources/.
#include "art/artwork.h"

int main(int argc, char** argv) {
  return lumpforge::art::RunGenerator(argc, argv, "lumpforge-make-artwork",
                                      lumpforge::art::MakeArtwork());
}
