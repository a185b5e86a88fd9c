#include "message_window.h"

#include "Unit1.h"

namespace {

// Halving truncates toward zero (-5 halves to -2), as C++ integer division does.
int Half(int value) { return value / 2; }

}  // namespace

int ShowMessageWindowOver(const vcl::TForm& mainWindow, int fontScale) {
  // Form1 exists from start-up until the program ends; without it there is nothing to show.
  if (!Form1) return vcl::mrNone;
  TForm1& window = *Form1;
  vcl::TLabel& label = *window.Label1;
  vcl::TButton& button = *window.Button1;

  if (fontScale == 2) window.SetWidth(window.Width() + 40);
  window.SetHeight(125);
  window.SetLeft(mainWindow.Left() + Half(mainWindow.Width() - window.Width()));
  window.SetTop(mainWindow.Top() + Half(mainWindow.Height() - window.Height()));
  label.SetHeight(18);
  if (fontScale == 2) label.SetWidth(label.Width() + 30);
  label.SetTop(17);
  // Centred on the window's outer width, so both sit one side border right of the
  // client area's centre.
  label.SetLeft(Half(window.Width() - label.Width()));
  button.SetLeft(Half(window.Width() - button.Width()));
  button.SetTop(window.Height() - 2 * button.Height() - 15);
  return window.ShowModal();
}

void ShowProblemInMessageWindow(const vcl::TForm& mainWindow, int fontScale,
                                const std::string& text, int windowWidth, int labelWidth) {
  if (!Form1) return;
  Form1->Label1->SetCaption(text);
  Form1->SetWidth(windowWidth);
  Form1->Label1->SetWidth(labelWidth);
  ShowMessageWindowOver(mainWindow, fontScale);
}
