// Shows one real message window, as a failed input check does, over a stand-in main
// window, so that its rendering can be looked at (and screenshotted under Xvfb).
//
//   message_window_demo [--scale N] [--text TEXT] [--window-width W] [--label-width L]
//
// The main window stand-in sits at 100, 80, 400 x 300. The program ends when the message
// window is closed (OK, Enter, Space or the close box).
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <string>

#include "Unit1.h"
#include "application.h"
#include "form.h"
#include "label.h"
#include "message_window.h"

namespace {

class DemoMainWindow : public vcl::TForm {
 public:
  DemoMainWindow() {
    SetBorderStyle(vcl::bsNone);
    SetCaption("Lumpforge");
    SetBounds(100, 80, 400, 300);
    SetColor(0x403830);
    auto* note = new vcl::TLabel(this);
    note->SetTransparent(true);
    note->Font()->SetName("Arial");
    note->Font()->SetColor(vcl::clWhite);
    note->Font()->SetHeight(-12);
    note->SetBounds(12, 12, 0, 0);
    note->SetCaption("Main window stand-in");
  }
};

DemoMainWindow* MainWindow = nullptr;

}  // namespace

int main(int argc, char** argv) {
  int scale = 1, windowWidth = 250, labelWidth = 200;
  std::string text = "Could not locate lambda.bmp.";
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--scale")) scale = std::atoi(argv[i + 1]);
    else if (!std::strcmp(argv[i], "--text")) text = argv[i + 1];
    else if (!std::strcmp(argv[i], "--window-width")) windowWidth = std::atoi(argv[i + 1]);
    else if (!std::strcmp(argv[i], "--label-width")) labelWidth = std::atoi(argv[i + 1]);
  }
  vcl::Application->Initialize();
  vcl::Application->SetTitle("Lumpforge Compiler");
  vcl::Application->CreateForm(MainWindow);
  vcl::Application->CreateForm(Form1);
  QTimer::singleShot(0, [&] {
    ShowProblemInMessageWindow(*MainWindow, scale, text, windowWidth, labelWidth);
    MainWindow->Close();
  });
  vcl::Application->Run();
  vcl::Application->Finalize();
  return 0;
}
