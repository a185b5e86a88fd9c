// Runs a window test suite on Qt's offscreen platform: no display is needed.
#include <gtest/gtest.h>

#include <cstdlib>

#include "application.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  testing::InitGoogleTest(&argc, argv);
  vcl::Application->Initialize(argc, argv);
  vcl::Application->SetTitle("Lumpforge Compiler");
  return RUN_ALL_TESTS();
}
