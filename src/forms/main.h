// The main window: a borderless, skinned window that lists the nine inputs, offers the
// "Browse..." link (folder chooser, then About window) and owns the compile job.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "form.h"
#include "image.h"
#include "label.h"
#include "popup_menu.h"
#include "registry.h"
#include "shape.h"
#include "wad_compiler.h"

class TForm2 : public vcl::TForm, public lumpforge::WadCompiler {
 public:
  // Loads the design values: caption "Lumpforge", no border, client 340 x 262 centred on
  // the screen, the background, the labels, the logo and its menu.
  TForm2();

  // Components, in creation order (the first lies beneath the others). The compiler's
  // hidden line reader Memo1 is a member of WadCompiler.
  vcl::TImage* Image7;
  vcl::TLabel* Label5;
  vcl::TLabel* Label1;
  vcl::TLabel* Label8;
  vcl::TImage* Image6;
  vcl::TShape* Shape2;
  vcl::TLabel* Label2;
  vcl::TLabel* Label4;
  vcl::TLabel* Label6;
  vcl::TPopupMenu* PopupMenu1;
  vcl::TMenuItem* ViewingOptions1;

  // 1 for normal fonts, 2 for large (120 pixels per inch) fonts; 0 until first shown.
  std::int32_t FontScale = 0;
  // "WIN", "NT" or empty: the system family, as the display probe reads its settings.
  std::string OsKind;
  // The folder as last read from or written to the settings.
  std::string SavedFolder;
  // One settings accessor per step; each lives only during its step.
  std::unique_ptr<platform::TRegistry> ScaleRegistry;
  std::unique_ptr<platform::TRegistry> DepthRegistry;
  std::unique_ptr<platform::TRegistry> DriverRegistry;
  std::unique_ptr<platform::TRegistry> ReadSettingsRegistry;
  std::unique_ptr<platform::TRegistry> WriteSettingsRegistry;

  // Event handlers.
  void Label8Click(vcl::TObject* sender);
  void Image6DblClick(vcl::TObject* sender);
  void Image6Click(vcl::TObject* sender);
  void ViewingOptions1Click(vcl::TObject* sender);
  void FormShow(vcl::TObject* sender);
  void Label4Click(vcl::TObject* sender);
  void Label4MouseUp(vcl::TObject* sender, vcl::TMouseButton button, vcl::TShiftState shift, int x, int y);
  void Label4MouseDown(vcl::TObject* sender, vcl::TMouseButton button, vcl::TShiftState shift, int x, int y);
  void FormClose(vcl::TObject* sender, vcl::TCloseAction& action);

  // The hit test of a mouse press: HTCAPTION (drag the window) in the band along the
  // top, x 35 to 302 and y 0 to 39 in window coordinates, taken from the live cursor
  // position; HTCLIENT everywhere else.
  void WMNCHitTest(vcl::TMessage& message);

  // Sizes Form1 for the font scale, centres it on this window, shows it modally and
  // returns its modal result; the caller has set its text and widths.
  int ShowMessageWindow();
  std::int32_t GetFontScale() const { return FontScale; }

 protected:
  void CreateParams(vcl::TCreateParams& params) override;
  void WndProc(vcl::TMessage& message) override;

  // The compiler's questions, answered with the folder chooser and the message window.
  std::string ChosenFolder() override;
  void SetProgress(int position) override;
  void ShowProblem(const std::string& text, int windowWidth, int labelWidth) override;

 private:
  // The steps of FormShow, in their order.
  void RegisterHandCursor();
  void FillFileLists();
  void ProbeOsKind();
  void ProbeDisplayScale(std::string& scaleText, std::int32_t& pixelsPerInch);
  void SizeWindow();
  void SetFontScale(const std::string& scaleText, std::int32_t pixelsPerInch);
  void LayOutLabels();
  void ProbeColourDepth();
  void ShowColourDepthWarning();
  void RestoreSettings();
  void RestoreChooser();
};

extern TForm2* Form2;
