// The main window's look at the machine it runs on: the system family, large fonts and a
// 256-colour display, all read from the settings registry as the program has always done.
#include "Unit1.h"
#include "main.h"
#include "win32.h"

namespace {

constexpr const char* kWinDisplaySettings = "Config\\0001\\Display\\Settings";
constexpr const char* kNtFonts = "SYSTEM\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts";
constexpr const char* kVideoDeviceMap = "HARDWARE\\DEVICEMAP\\VIDEO";
constexpr const char* kFirstVideoDevice = "\\Device\\Video0";
constexpr const char* kDriverKeyPrefix =
    "SYSTEM\\CurrentControlSet\\Hardware Profiles\\Current\\System\\CurrentControlSet\\Services\\";
constexpr const char* kServicesMarker = "Services\\";

// A failed read leaves the target at its reset value.
void ReadStringInto(platform::TRegistry& registry, const char* name, std::string& target) {
  try {
    target = registry.ReadString(name);
  } catch (const std::exception&) {
  }
}

void ReadIntegerInto(platform::TRegistry& registry, const char* name, std::int32_t& target) {
  try {
    target = registry.ReadInteger(name);
  } catch (const std::exception&) {
  }
}

// The device text from the character after the first "Services\" to its end; with no
// such marker, from the ninth character on (empty when the text is shorter).
std::string ServicePart(const std::string& deviceText) {
  const std::string::size_type marker = deviceText.find(kServicesMarker);
  const std::string::size_type start = marker == std::string::npos ? 8 : marker + 9;
  return start < deviceText.size() ? deviceText.substr(start) : std::string();
}

}  // namespace

void TForm2::ProbeOsKind() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
  GetVersionExA(&version);
  if (version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS) OsKind = "WIN";
  if (version.dwPlatformId == VER_PLATFORM_WIN32_NT) OsKind = "NT";
}

void TForm2::ProbeDisplayScale(std::string& scaleText, std::int32_t& pixelsPerInch) {
  scaleText.clear();
  pixelsPerInch = 0;
  ScaleRegistry = std::make_unique<platform::TRegistry>();
  ScaleRegistry->RootKey = platform::HKEY_LOCAL_MACHINE;
  if (OsKind == "WIN" && ScaleRegistry->OpenKey(kWinDisplaySettings, false)) {
    ReadStringInto(*ScaleRegistry, "DPILogicalX", scaleText);
  }
  if (OsKind == "NT" && ScaleRegistry->OpenKey(kNtFonts, false)) {
    ReadIntegerInto(*ScaleRegistry, "LogPixels", pixelsPerInch);
  }
  ScaleRegistry.reset();
}

void TForm2::SetFontScale(const std::string& scaleText, std::int32_t pixelsPerInch) {
  FontScale = (scaleText == "120" || pixelsPerInch == 120) ? 2 : 1;
}

void TForm2::ProbeColourDepth() {
  std::string depthText;
  std::int32_t bitsPerPel = 0;
  std::string deviceText;
  DepthRegistry = std::make_unique<platform::TRegistry>();
  DriverRegistry = std::make_unique<platform::TRegistry>();
  DepthRegistry->RootKey = platform::HKEY_LOCAL_MACHINE;
  DriverRegistry->RootKey = platform::HKEY_LOCAL_MACHINE;
  if (OsKind == "WIN" && DepthRegistry->OpenKey(kWinDisplaySettings, false)) {
    ReadStringInto(*DepthRegistry, "BitsPerPixel", depthText);
  }
  if (OsKind == "NT") {
    if (DepthRegistry->OpenKey(kVideoDeviceMap, false)) ReadStringInto(*DepthRegistry, kFirstVideoDevice, deviceText);
    const std::string driverKey = kDriverKeyPrefix + ServicePart(deviceText);
    if (DriverRegistry->OpenKey(driverKey, false)) {
      ReadIntegerInto(*DriverRegistry, "DefaultSettings.BitsPerPel", bitsPerPel);
    }
  }
  DepthRegistry.reset();
  DriverRegistry.reset();
  if (depthText == "8" || bitsPerPel == 8) ShowColourDepthWarning();
}

void TForm2::ShowColourDepthWarning() {
  // Shown where the message window stands: the main window is not placed yet.
  Form1->SetWidth(245);
  Form1->SetHeight(125);
  Form1->Label1->SetHeight(32);
  Form1->Label1->SetWidth(205);
  if (FontScale == 2) {
    Form1->Label1->SetWidth(242);
    Form1->SetWidth(287);
  }
  Form1->Label1->SetTop(9);
  Form1->Label1->SetCaption("Increase Desktop Color Mode above\n 256 colors or this could look ugly.");
  Form1->Label1->SetLeft((Form1->Width() - Form1->Label1->Width()) / 2);
  Form1->Button1->SetLeft((Form1->Width() - Form1->Button1->Width()) / 2);
  Form1->Button1->SetTop(Form1->Height() - 2 * Form1->Button1->Height() - 15);
  Form1->ShowModal();
}
