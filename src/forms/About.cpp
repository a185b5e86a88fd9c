#include "About.h"

#include <stdexcept>

#include "Unit1.h"
#include "browser_command.h"
#include "colours.h"
#include "embedded_resources.h"
#include "main.h"
#include "maker.h"
#include "program_icon.h"
#include "screen.h"
#include "win32.h"

TForm3* Form3 = nullptr;

namespace {

namespace lm = lumpforge::maker;
using lumpforge::colours::kLink;
using lumpforge::colours::kLinkPressed;

constexpr const char* kNoBrowser = "Could not locate web browser.";
constexpr const char* kBrowserFailed = "Couldn't execute web browser.";

void LoadPicture(vcl::TImage& image, const char* resourceName) {
  const auto bytes = lumpforge::resources::Find(resourceName);
  if (!bytes.empty()) image.LoadPicture(bytes);
}

vcl::TLabel* NewLabel(vcl::TForm* form, const char* name, const char* fontName, int charset) {
  auto* label = new vcl::TLabel(form);
  label->SetName(name);
  label->SetTransparent(true);
  label->Font()->SetName(fontName);
  label->Font()->SetCharset(charset);
  label->Font()->SetColor(vcl::clWhite);
  return label;
}

void SetFont(vcl::TLabel& label, int points, int height) {
  label.Font()->SetSize(points);
  label.Font()->SetHeight(height);
}

// The default value of `key` below the root, or empty; a value of another type reads
// as empty too.
std::string ReadDefault(platform::TRegistry& registry, const std::string& key) {
  if (!registry.OpenKey(key, false)) return {};
  try {
    return registry.ReadString("");
  } catch (const std::exception&) {
    return {};
  }
}

}  // namespace

TForm3::TForm3() {
  SetCaption("About Lumpforge Compiler");
  SetBorderStyle(vcl::bsSingle);
  SetBorderIcons(vcl::biSystemMenu);
  SetClientWidth(284);
  SetClientHeight(224);
  SetLeft(668);
  SetTop(402);
  lumpforge::SetProgramIcon(*this);

  Image1 = new vcl::TImage(this);
  Image1->SetName("Image1");
  Image1->SetAutoSize(true);
  LoadPicture(*Image1, "banner.bmp");

  Shape1 = new vcl::TShape(this);
  Shape1->SetName("Shape1");
  Shape1->SetBounds(15, 61, 36, 36);

  Image2 = new vcl::TImage(this);
  Image2->SetName("Image2");
  Image2->SetCenter(true);
  Image2->SetAutoSize(true);
  Image2->SetBounds(17, 63, 32, 32);
  LoadPicture(*Image2, "logo32.bmp");

  Label1 = NewLabel(this, "Label1", "Arial", vcl::ANSI_CHARSET);
  Label1->Font()->SetStyle(vcl::fsBold);
  Label1->Font()->SetHeight(-15);
  Label1->SetBounds(57, 60, 224, 20);
  Label1->SetCaption(lm::kProductName);

  Label2 = NewLabel(this, "Label2", "Arial", vcl::ANSI_CHARSET);
  Label2->Font()->SetStyle(vcl::fsBold);
  Label2->Font()->SetHeight(-15);
  Label2->SetBounds(102, 84, 79, 20);
  Label2->SetCaption(lm::kVersionText);

  Label3 = NewLabel(this, "Label3", "MS Sans Serif", vcl::DEFAULT_CHARSET);
  Label3->SetAlignment(vcl::taCenter);
  Label3->Font()->SetHeight(-12);
  Label3->SetBounds(80, 113, 125, 20);
  Label3->SetCaption(lm::kAuthorLine);

  Label5 = NewLabel(this, "Label5", "Arial", vcl::ANSI_CHARSET);
  Label5->SetAlignment(vcl::taCenter);
  Label5->SetWordWrap(true);
  Label5->Font()->SetColor(kLink);
  Label5->Font()->SetStyle(vcl::fsUnderline);
  Label5->Font()->SetHeight(-12);
  Label5->SetBounds(32, 143, 225, 20);
  Label5->SetCaption(lm::kWebAddress);
  Label5->SetHint(lm::kWebAddress);

  OKButton = new vcl::TButton(this);
  OKButton->SetName("OKButton");
  OKButton->SetBounds(110, 178, 65, 33);
  OKButton->SetCaption("OK");
  OKButton->SetDefault(true);
  OKButton->SetModalResult(vcl::mrOk);
  OKButton->SetTabOrder(0);

  OnShow = [this](vcl::TObject* sender) { FormShow(sender); };
  Label5->OnClick = [this](vcl::TObject* sender) { Label5Click(sender); };
  Label5->OnMouseDown = [this](vcl::TObject* sender, vcl::TMouseButton button, vcl::TShiftState shift, int x,
                               int y) { Label5MouseDown(sender, button, shift, x, y); };
  Label5->OnMouseUp = [this](vcl::TObject* sender, vcl::TMouseButton button, vcl::TShiftState shift, int x,
                             int y) { Label5MouseUp(sender, button, shift, x, y); };
}

void TForm3::FormShow(vcl::TObject*) {
  vcl::Screen->Cursors[vcl::crHand] = LoadCursorA(vcl::HInstance, "HAND");
  Label5->SetCursor(vcl::crHand);
  FontScale = Form2->GetFontScale();

  Shape1->SetBounds(15, 61, 36, 36);
  Image2->SetBounds(17, 63, 32, 32);
  Image1->SetBounds(0, 0, 284, 224);
  if (FontScale == 2) {
    // Fonts first, so the given sizes hold.
    SetFont(*Label1, 11, -15);
    Label1->SetBounds(57, 58, 224, 20);
    SetFont(*Label2, 11, -15);
    Label2->SetBounds(102, 84, 88, 20);
    SetFont(*Label5, 9, -12);
    Label5->SetBounds(32, 143, 225, 20);
    SetFont(*Label3, 7, -12);
    Label3->SetBounds(66, 113, 151, 20);
  } else {
    // Fonts last: the auto-sized labels then take the size of their text.
    Label1->SetBounds(57, 60, 224, 20);
    SetFont(*Label1, 11, -15);
    Label2->SetBounds(102, 84, 79, 20);
    Label5->SetBounds(32, 143, 225, 20);
    SetFont(*Label5, 9, -12);
    Label3->SetBounds(80, 113, 125, 20);
    SetFont(*Label3, 9, -12);
  }
  OKButton->SetBounds(110, 178, 65, 33);

  const int pictureWidth = Image1->Picture()->Width();
  const int pictureHeight = Image1->Picture()->Height();
  SetClientWidth(pictureWidth);
  SetClientHeight(pictureHeight);
  SetWidth(pictureWidth + 4);
  SetHeight(pictureHeight + 25);

  Shape1->SetWidth(Image2->Picture()->Width() + 4);
  Shape1->SetHeight(Image2->Picture()->Height() + 4);
  Shape1->SetTop(Image2->Top() - 2);
  Shape1->SetLeft(Image2->Left() - 2);
}

void TForm3::Label5MouseDown(vcl::TObject*, vcl::TMouseButton, vcl::TShiftState, int, int) {
  Label5->Font()->SetColor(kLinkPressed);
}

void TForm3::Label5MouseUp(vcl::TObject*, vcl::TMouseButton, vcl::TShiftState, int, int) {
  Label5->Font()->SetColor(kLink);
}

std::string TForm3::RegisteredOpenCommand() {
  ClassRegistry = std::make_unique<platform::TRegistry>();
  CommandRegistry = std::make_unique<platform::TRegistry>();
  ClassRegistry->RootKey = platform::HKEY_CLASSES_ROOT;
  CommandRegistry->RootKey = platform::HKEY_CLASSES_ROOT;
  std::string className = ReadDefault(*ClassRegistry, ".htm");
  if (className.empty()) {
    // ".html" sits beside ".htm" under the root, not inside it.
    ClassRegistry->CloseKey();
    className = ReadDefault(*ClassRegistry, ".html");
  }
  // With no class the path begins with its backslash and so starts at the root.
  return ReadDefault(*CommandRegistry, className + "\\shell\\open\\command");
}

void TForm3::Label5Click(vcl::TObject*) {
  const std::string command = RegisteredOpenCommand();
  if (command.empty()) {
    ShowBrowserProblem(kNoBrowser, FontScale == 2 ? 264 : 235, FontScale == 2 ? 180 : 175);
  } else {
    const lumpforge::BrowserLaunch launch = lumpforge::CutBrowserCommand(command);
    const std::string page = std::string(lm::kWebAddress) + "/";
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof(SHELLEXECUTEINFOA);
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.hwnd = nullptr;
    info.lpVerb = "open";
    info.lpFile = launch.file.c_str();
    info.lpParameters = page.c_str();
    info.lpDirectory = launch.directory.c_str();
    info.nShow = SW_SHOWDEFAULT;
    if (!ShellExecuteExA(&info)) {
      ShowBrowserProblem(kBrowserFailed, FontScale == 2 ? 279 : 235, FontScale == 2 ? 195 : 175);
    }
  }
  ClassRegistry.reset();
  CommandRegistry.reset();
}

void TForm3::ShowBrowserProblem(const std::string& text, int windowWidth, int labelWidth) {
  Form1->SetWidth(windowWidth);
  Form1->SetHeight(125);
  Form1->SetLeft(Left() + (Width() - Form1->Width()) / 2);
  Form1->SetTop(Top() + (Height() - Form1->Height()) / 2);
  Form1->Label1->SetHeight(15);
  Form1->Label1->SetWidth(labelWidth);
  Form1->Label1->SetTop(17);
  Form1->Label1->SetCaption(text);
  Form1->Label1->SetLeft((Form1->Width() - Form1->Label1->Width()) / 2);
  Form1->Button1->SetLeft((Form1->Width() - Form1->Button1->Width()) / 2);
  Form1->Button1->SetTop(Form1->Height() - 2 * Form1->Button1->Height() - 15);
  Form1->ShowModal();
}
