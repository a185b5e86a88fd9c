// The windowed program: creates the four windows and runs until the main window closes.
#include <exception>

#include "About.h"
#include "Dialog.h"
#include "Unit1.h"
#include "application.h"
#include "main.h"

int main(int argc, char** argv) {
  try {
    vcl::Application->Initialize(argc, argv);
    vcl::Application->SetTitle("Lumpforge Compiler");
    vcl::Application->CreateForm(Form2);  // the first form created is the main window
    vcl::Application->CreateForm(Form1);
    vcl::Application->CreateForm(Form3);
    vcl::Application->CreateForm(Form4);
    vcl::Application->Run();
  } catch (const std::exception& error) {
    vcl::Application->ShowException(error);
  }
  return 0;
}
