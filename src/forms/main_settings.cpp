// The main window's remembered folder and the maker's key.
#include <stdexcept>

#include "Dialog.h"
#include "first_run_samples.h"
#include "main.h"
#include "maker.h"

namespace lm = lumpforge::maker;

void TForm2::RestoreSettings() {
  ReadSettingsRegistry = std::make_unique<platform::TRegistry>();
  ReadSettingsRegistry->RootKey = platform::HKEY_LOCAL_MACHINE;
  if (ReadSettingsRegistry->OpenKey(lm::kMakerKey, true)) {
    try {
      ReadSettingsRegistry->WriteString(lm::kSlogan, lm::kWebAddress);
    } catch (const std::exception&) {
    }
  }
  if (ReadSettingsRegistry->OpenKey(lm::kProgramSubKey, true)) {
    try {
      SavedFolder = ReadSettingsRegistry->ReadString(lm::kLastOpenedValue);
    } catch (const std::exception&) {
    }
  }
  ReadSettingsRegistry.reset();
  Folder = SavedFolder;
  RestoreChooser();
}

void TForm2::RestoreChooser() {
  // With nothing remembered the chooser opens on the user's own copy of the samples, so
  // a first compile works at once. Folder stays empty: only a compile makes it a choice.
  const std::string start = SavedFolder.empty() ? lumpforge::ProvideUserSamples() : SavedFolder;
  if (start.empty()) return;
  try {
    Form4->DriveComboBox1->SetDrive(start);
    Form4->DirectoryListBox1->SetDirectory(start);
  } catch (const std::exception&) {
    // A remembered folder that is gone leaves the chooser wherever it could be set.
  }
}

void TForm2::FormClose(vcl::TObject*, vcl::TCloseAction&) {
  if (Folder == SavedFolder) return;
  SavedFolder = Folder;
  WriteSettingsRegistry = std::make_unique<platform::TRegistry>();
  WriteSettingsRegistry->RootKey = platform::HKEY_LOCAL_MACHINE;
  if (WriteSettingsRegistry->OpenKey(lm::kProgramKey, true)) {
    try {
      WriteSettingsRegistry->WriteString(lm::kLastOpenedValue, SavedFolder);
    } catch (const std::exception&) {
    }
  }
  WriteSettingsRegistry.reset();
}
