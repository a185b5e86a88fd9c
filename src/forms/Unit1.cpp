#include "Unit1.h"

#include <cstdint>
#include <span>
#include <vector>

#if __has_include("embedded_resources.h")
#include "embedded_resources.h"
#define LUMPFORGE_HAS_RESOURCES 1
#endif

TForm1* Form1 = nullptr;

TForm1::TForm1() {
  SetCaption("Lumpforge Compiler");
  SetBorderStyle(vcl::bsSingle);
  SetBorderIcons(vcl::biSystemMenu);
  SetClientWidth(252);
  SetClientHeight(103);
  SetLeft(208);
  SetTop(624);
  Font()->SetName("MS Sans Serif");
  Font()->SetHeight(-11);
  Font()->SetCharset(vcl::DEFAULT_CHARSET);
  Font()->SetColor(vcl::clWindowText);
  Font()->SetStyle(0);
#ifdef LUMPFORGE_HAS_RESOURCES
  SetIcon({lumpforge::resources::Find("icon16.png"), lumpforge::resources::Find("icon32.png")});
#endif

  Label1 = new vcl::TLabel(this);
  Label1->SetName("Label1");
  Label1->SetAutoSize(false);
  Label1->SetBounds(85, 24, 81, 15);
  Label1->SetAlignment(vcl::taCenter);
  Label1->SetWordWrap(true);
  Label1->SetTransparent(true);
  Label1->Font()->SetName("Arial");
  Label1->Font()->SetHeight(-12);
  Label1->Font()->SetCharset(vcl::DEFAULT_CHARSET);
  Label1->Font()->SetColor(vcl::clWindowText);
  Label1->Font()->SetStyle(0);
  Label1->SetParentFont(false);
  Label1->SetCaption("Error Message");

  Button1 = new vcl::TButton(this);
  Button1->SetName("Button1");
  Button1->SetBounds(89, 61, 75, 25);
  Button1->SetCaption("OK");
  Button1->SetModalResult(vcl::mrOk);
  Button1->SetTabOrder(0);
}
