#include "main.h"

#include "Dialog.h"
#include "About.h"
#include "Unit1.h"
#include "colours.h"
#include "embedded_resources.h"
#include "message_window.h"
#include "program_icon.h"
#include "screen.h"
#include "win32.h"

TForm2* Form2 = nullptr;

namespace {

using lumpforge::colours::kLink;
using lumpforge::colours::kLinkPressed;

constexpr const char* kHelpText =
    "Quillmere's Lumpforge Editor allows you to compile the files listed below into a gfx.wad. "
    "These files were included with this compiler. Simply edit them then click 'Browse' to go "
    "to the folder that has the files to compile them.";
constexpr const char* kFirstColumn =
    "backtile.bmp \nconchars.bmp \nconchars.txt \ncreditsfont.bmp \ncreditsfont.txt";
constexpr const char* kSecondColumn = "lambda.bmp \nlambda32.bmp \nlambda64.bmp \npaused.bmp";

// The drag band, relative to the window's outer top-left corner (strict comparisons).
constexpr int kBandLeftAfter = 34;
constexpr int kBandRightBefore = 303;
constexpr int kBandBottomBefore = 40;

void LoadPicture(vcl::TImage& image, const char* resourceName) {
  const auto bytes = lumpforge::resources::Find(resourceName);
  if (!bytes.empty()) image.LoadPicture(bytes);
}

vcl::TLabel* NewLabel(vcl::TForm* form, const char* name, vcl::TColor colour, vcl::TFontStyles style,
                      int fontHeight) {
  auto* label = new vcl::TLabel(form);
  label->SetName(name);
  label->SetAutoSize(false);
  label->SetTransparent(true);
  label->Font()->SetName("Arial");
  label->Font()->SetCharset(vcl::ANSI_CHARSET);
  label->Font()->SetColor(colour);
  label->Font()->SetStyle(style);
  label->Font()->SetHeight(fontHeight);
  return label;
}

// Bounds, then the font's point size and after it its pixel height, which holds.
void PlaceLabel(vcl::TLabel& label, int left, int top, int width, int height, int points, int fontHeight) {
  label.SetLeft(left);
  label.SetTop(top);
  label.SetWidth(width);
  label.SetHeight(height);
  label.Font()->SetSize(points);
  label.Font()->SetHeight(fontHeight);
}

}  // namespace

TForm2::TForm2() {
  SetCaption("Lumpforge");
  SetBorderStyle(vcl::bsNone);
  SetBorderIcons(vcl::biSystemMenu);
  SetClientWidth(340);
  SetClientHeight(262);
  SetPosition(vcl::poScreenCenter);
  lumpforge::SetProgramIcon(*this);

  Image7 = new vcl::TImage(this);
  Image7->SetName("Image7");
  Image7->SetCenter(true);
  Image7->SetAutoSize(true);
  Image7->SetBounds(0, 0, 340, 261);
  LoadPicture(*Image7, "background.bmp");

  Label5 = NewLabel(this, "Label5", vcl::clWhite, 0, -12);
  Label5->SetWordWrap(true);
  Label5->SetBounds(20, 161, 129, 88);
  Label5->SetCaption("backtile.bmp");

  Label1 = NewLabel(this, "Label1", kLink, vcl::fsBold, -16);
  Label1->SetWordWrap(true);
  Label1->SetBounds(36, 18, 253, 19);
  Label1->SetCaption("Quillmere Lumpforge Compiler");

  Label8 = NewLabel(this, "Label8", kLink, vcl::fsBold, -21);
  Label8->SetAutoSize(true);
  Label8->SetBounds(307, 12, 12, 24);
  Label8->SetCaption("x");
  Label8->SetHint("Click to Exit the program.");

  Image6 = new vcl::TImage(this);
  Image6->SetName("Image6");
  Image6->SetCenter(true);
  Image6->SetAutoSize(true);
  Image6->SetBounds(16, 20, 16, 16);
  LoadPicture(*Image6, "logo16.bmp");

  Shape2 = new vcl::TShape(this);
  Shape2->SetName("Shape2");
  Shape2->SetBounds(16, 41, 286, 1);
  Shape2->Brush()->SetColor(vcl::clSilver);
  Shape2->Pen()->SetColor(vcl::clGray);

  Label2 = NewLabel(this, "Label2", vcl::clWhite, 0, -12);
  Label2->SetWordWrap(true);
  Label2->SetBounds(20, 49, 286, 80);
  Label2->SetCaption(kHelpText);

  Label4 = NewLabel(this, "Label4", kLink, vcl::fsUnderline, -12);
  Label4->SetBounds(20, 134, 57, 24);
  Label4->SetCaption("Browse...");

  Label6 = NewLabel(this, "Label6", vcl::clWhite, 0, -12);
  Label6->SetWordWrap(true);
  Label6->SetBounds(152, 161, 137, 88);
  Label6->SetCaption("lambda.bmp");

  PopupMenu1 = new vcl::TPopupMenu(this);
  PopupMenu1->SetName("PopupMenu1");
  ViewingOptions1 = new vcl::TMenuItem(PopupMenu1);
  ViewingOptions1->SetName("ViewingOptions1");
  ViewingOptions1->SetCaption("Exit");

  Label8->OnClick = [this](vcl::TObject* sender) { Label8Click(sender); };
  Image6->OnClick = [this](vcl::TObject* sender) { Image6Click(sender); };
  Image6->OnDblClick = [this](vcl::TObject* sender) { Image6DblClick(sender); };
  ViewingOptions1->OnClick = [this](vcl::TObject* sender) { ViewingOptions1Click(sender); };
  Label4->OnClick = [this](vcl::TObject* sender) { Label4Click(sender); };
  Label4->OnMouseDown = [this](vcl::TObject* sender, vcl::TMouseButton button, vcl::TShiftState shift, int x,
                               int y) { Label4MouseDown(sender, button, shift, x, y); };
  Label4->OnMouseUp = [this](vcl::TObject* sender, vcl::TMouseButton button, vcl::TShiftState shift, int x,
                             int y) { Label4MouseUp(sender, button, shift, x, y); };
  OnShow = [this](vcl::TObject* sender) { FormShow(sender); };
  OnClose = [this](vcl::TObject* sender, vcl::TCloseAction& action) { FormClose(sender, action); };
}

void TForm2::CreateParams(vcl::TCreateParams& params) {
  vcl::TForm::CreateParams(params);
  params.Style &= ~vcl::WS_CAPTION;
}

void TForm2::WndProc(vcl::TMessage& message) {
  if (message.Msg == vcl::WM_NCHITTEST) {
    WMNCHitTest(message);
    return;
  }
  vcl::TForm::WndProc(message);
}

void TForm2::WMNCHitTest(vcl::TMessage& message) {
  // The live cursor position, not the message's, decides.
  POINT cursor{0, 0};
  GetCursorPos(&cursor);
  const bool inBand = cursor.x > Left() + kBandLeftAfter && cursor.x < Left() + kBandRightBefore &&
                      cursor.y < Top() + kBandBottomBefore;
  message.Result = inBand ? vcl::HTCAPTION : vcl::HTCLIENT;
}

void TForm2::Label8Click(vcl::TObject*) { Close(); }
void TForm2::Image6DblClick(vcl::TObject*) { Close(); }
void TForm2::ViewingOptions1Click(vcl::TObject*) { Close(); }

void TForm2::Image6Click(vcl::TObject*) {
  // Just under the logo, wherever the mouse is.
  PopupMenu1->Popup(Left() + 17, Top() + 36);
}

void TForm2::Label4MouseDown(vcl::TObject*, vcl::TMouseButton, vcl::TShiftState, int, int) {
  Label4->Font()->SetColor(kLinkPressed);
}

void TForm2::Label4MouseUp(vcl::TObject*, vcl::TMouseButton, vcl::TShiftState, int, int) {
  Label4->Font()->SetColor(kLink);
}

void TForm2::Label4Click(vcl::TObject*) {
  Form4->SetLeft(Left() + (Width() - Form4->Width()) / 2);
  Form4->SetTop(Top() + (Height() - Form4->Height()) / 2);
  Form4->ShowModal();
  // The About window follows the chooser whether the user compiled or cancelled.
  Form3->SetLeft(Left() + (Width() - Form3->Width()) / 2);
  Form3->SetTop(Top() + (Height() - Form3->Height()) / 2);
  Form3->ShowModal();
}

void TForm2::FormShow(vcl::TObject*) {
  RegisterHandCursor();
  FillFileLists();
  ProbeOsKind();
  std::string scaleText;
  std::int32_t pixelsPerInch = 0;
  ProbeDisplayScale(scaleText, pixelsPerInch);
  SizeWindow();
  SetFontScale(scaleText, pixelsPerInch);
  LayOutLabels();
  ProbeColourDepth();
  RestoreSettings();
}

void TForm2::RegisterHandCursor() {
  vcl::Screen->Cursors[vcl::crHand] = LoadCursorA(vcl::HInstance, "HAND");
  Image6->SetCursor(vcl::crHand);
  Label4->SetCursor(vcl::crHand);
  Label8->SetCursor(vcl::crHand);
}

void TForm2::FillFileLists() {
  Label5->SetCaption(kFirstColumn);
  Label6->SetCaption(kSecondColumn);
}

void TForm2::SizeWindow() {
  SetClientHeight(262);
  SetClientWidth(340);
  SetHeight(262);
  SetWidth(340);
  Image7->SetLeft(0);
  Image7->SetTop(0);
  Image7->SetWidth(340);
  Image7->SetHeight(261);
}

void TForm2::LayOutLabels() {
  // The design values again, so the pixel layout holds whatever the display's scale.
  PlaceLabel(*Label5, 20, 161, 129, 88, 9, -12);
  PlaceLabel(*Label1, 36, 18, 253, 19, 12, -16);
  PlaceLabel(*Label8, 307, 12, 12, 24, 16, -21);  // then takes the size of its letter
  Image6->SetBounds(16, 20, 16, 16);
  Shape2->SetBounds(16, 41, 286, 1);
  PlaceLabel(*Label2, 20, 49, 286, 80, 9, -12);
  PlaceLabel(*Label4, 20, 134, 57, 24, 9, -12);
  PlaceLabel(*Label6, 152, 161, 137, 88, 9, -12);
}

int TForm2::ShowMessageWindow() { return ShowMessageWindowOver(*this, FontScale); }

std::string TForm2::ChosenFolder() { return Form4->DirectoryListBox1->Directory(); }

void TForm2::SetProgress(int position) { Form4->ProgressBar1->SetPosition(position); }

void TForm2::ShowProblem(const std::string& text, int windowWidth, int labelWidth) {
  ShowProblemInMessageWindow(*this, FontScale, text, windowWidth, labelWidth);
}
