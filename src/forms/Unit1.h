// The message window: one line of text and an OK button, reused for every message.
#pragma once

#include "button.h"
#include "form.h"
#include "label.h"

class TForm1 : public vcl::TForm {
 public:
  // Loads the design values: caption "Lumpforge Compiler", fixed single border with a
  // close box only, client 252 x 103 at 208, 624, the label and the OK button.
  TForm1();

  vcl::TLabel* Label1;
  vcl::TButton* Button1;
};

extern TForm1* Form1;
