// The About window: the maker's banner, the logo in a frame, product name, version,
// author and the maker's web address as a link that starts the user's browser.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "button.h"
#include "form.h"
#include "image.h"
#include "label.h"
#include "registry.h"
#include "shape.h"

class TForm3 : public vcl::TForm {
 public:
  // Loads the design values: caption "About Lumpforge Compiler", fixed single border with
  // a close box only, client 284 x 224 at 668, 402.
  TForm3();

  // Components, in creation order (the first lies beneath the others).
  vcl::TImage* Image1;
  vcl::TShape* Shape1;
  vcl::TImage* Image2;
  vcl::TLabel* Label1;
  vcl::TLabel* Label2;
  vcl::TLabel* Label3;
  vcl::TLabel* Label5;
  vcl::TButton* OKButton;

  // The two accessors of the browser lookup; they live only during a click on the link.
  std::unique_ptr<platform::TRegistry> ClassRegistry;
  std::unique_ptr<platform::TRegistry> CommandRegistry;
  // The main window's font scale, copied at every show.
  std::int32_t FontScale = 0;

  // Looks up the registered web browser and starts it with the maker's web address;
  // says so in the message window when there is none or it cannot be started.
  void Label5Click(vcl::TObject* sender);
  // Lays the window out for normal or large fonts.
  void FormShow(vcl::TObject* sender);
  void Label5MouseUp(vcl::TObject* sender, vcl::TMouseButton button, vcl::TShiftState shift, int x, int y);
  void Label5MouseDown(vcl::TObject* sender, vcl::TMouseButton button, vcl::TShiftState shift, int x, int y);

 private:
  std::string RegisteredOpenCommand();
  void ShowBrowserProblem(const std::string& text, int windowWidth, int labelWidth);
};

extern TForm3* Form3;
