// The small vocabulary shared by every class of the form layer: colours, cursors, border
// styles, modal results, event signatures and the window messages the windows answer.
#pragma once

#include <cstdint>
#include <functional>

namespace vcl {

class TObject {
 public:
  TObject() = default;
  virtual ~TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
};

// Colours are 0x00BBGGRR: low byte red, then green, then blue (33023 is orange 255, 128, 0).
// Values with the top bit set name a colour of the desktop's palette instead.
using TColor = std::int32_t;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clBtnFace = static_cast<TColor>(0x8000000Fu);     // window background
inline constexpr TColor clWindow = static_cast<TColor>(0x80000005u);      // text field background
inline constexpr TColor clWindowText = static_cast<TColor>(0x80000008u);  // ordinary text
inline constexpr TColor clBtnText = static_cast<TColor>(0x80000012u);     // button text

// Mouse pointer numbers. Positive numbers are the screen's custom cursor table
// (Screen->Cursors[n]); 0 means "the parent's / the default".
using TCursor = int;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crHand = 1;  // the program's own pointing hand, registered at show time
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crHandPoint = -21;

// Character sets are kept for completeness; text is shown as UTF-8 (ASCII in practice).
inline constexpr int ANSI_CHARSET = 0;
inline constexpr int DEFAULT_CHARSET = 1;

// Font styles: combine with |.
using TFontStyles = unsigned;
inline constexpr TFontStyles fsBold = 1u;
inline constexpr TFontStyles fsItalic = 2u;
inline constexpr TFontStyles fsUnderline = 4u;
inline constexpr TFontStyles fsStrikeOut = 8u;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

// Border icons: combine with |.
using TBorderIcons = unsigned;
inline constexpr TBorderIcons biSystemMenu = 1u;  // the close box
inline constexpr TBorderIcons biMinimize = 2u;
inline constexpr TBorderIcons biMaximize = 4u;
inline constexpr TBorderIcons biHelp = 8u;

// Where a form is placed when it is first shown.
enum TPosition { poDesigned, poScreenCenter };

// Modal results: what ShowModal returns.
using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Shift state: combine with |.
using TShiftState = unsigned;
inline constexpr TShiftState ssShift = 1u;
inline constexpr TShiftState ssAlt = 2u;
inline constexpr TShiftState ssCtrl = 4u;
inline constexpr TShiftState ssLeft = 8u;
inline constexpr TShiftState ssRight = 16u;
inline constexpr TShiftState ssMiddle = 32u;
inline constexpr TShiftState ssDouble = 64u;

// What happens to a form once its OnClose handler has run.
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TNotifyEvent = std::function<void(TObject* sender)>;
using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;

// A window message handed to TForm::WndProc. Only the hit test is routed through it.
struct TMessage {
  std::uint32_t Msg = 0;
  std::intptr_t WParam = 0;
  std::intptr_t LParam = 0;  // hit test: screen x in the low 16 bits, y in the high 16 bits
  std::intptr_t Result = 0;
};
inline constexpr std::uint32_t WM_NCHITTEST = 0x0084;  // 132
inline constexpr std::intptr_t HTCLIENT = 1;
inline constexpr std::intptr_t HTCAPTION = 2;

// The style bits a form's window is created with (TForm::CreateParams).
struct TCreateParams {
  std::uint32_t Style = 0;
  std::uint32_t ExStyle = 0;
};
inline constexpr std::uint32_t WS_POPUP = 0x80000000u;
inline constexpr std::uint32_t WS_CLIPCHILDREN = 0x02000000u;
inline constexpr std::uint32_t WS_BORDER = 0x00800000u;
inline constexpr std::uint32_t WS_DLGFRAME = 0x00400000u;
inline constexpr std::uint32_t WS_CAPTION = 0x00C00000u;  // WS_BORDER | WS_DLGFRAME
inline constexpr std::uint32_t WS_SYSMENU = 0x00080000u;
inline constexpr std::uint32_t WS_THICKFRAME = 0x00040000u;
inline constexpr std::uint32_t WS_MINIMIZEBOX = 0x00020000u;
inline constexpr std::uint32_t WS_MAXIMIZEBOX = 0x00010000u;

// The program instance handed to resource loaders; there is only one program here.
inline void* const HInstance = nullptr;

}  // namespace vcl
