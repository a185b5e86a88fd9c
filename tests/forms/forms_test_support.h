// What the window tests share: the four windows made fresh for every test, over a
// settings store, a data folder and a desktop of the test's own, with every modal show
// recorded and answered.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "About.h"
#include "Dialog.h"
#include "Unit1.h"
#include "main.h"
#include "vcl.h"

namespace forms_test {

namespace fs = std::filesystem;

// One modal show as the hook saw it.
struct ModalShow {
  vcl::TForm* form = nullptr;
  std::string caption;
  std::string text;  // Form1's Label1 caption; empty for the other windows
  int left = 0, top = 0, width = 0, height = 0;
  int labelLeft = 0, labelTop = 0, labelWidth = 0, labelHeight = 0;  // Form1's Label1
  int buttonLeft = 0, buttonTop = 0;                                 // Form1's Button1
};

// A main window whose progress reports are recorded.
class RecordingForm2 : public TForm2 {
 public:
  std::vector<int> progress;
  using TForm2::CreateParams;

 protected:
  void SetProgress(int position) override {
    progress.push_back(position);
    TForm2::SetProgress(position);
  }
};

class FormsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The display the windows see: logical pixels per inch and colour depth.
  void SetDisplay(int pixelsPerInch, int colourDepth);
  // Runs the main window's show handler as the program start does.
  void ShowMainWindow();
  // Reads / writes the remembered folder directly in the store.
  std::string StoredLastOpened();
  void StoreLastOpened(const std::string& folder);

  fs::path Root() const { return root_; }
  // A fresh folder below the test's own root.
  fs::path MakeFolder(const std::string& name);
  // A folder holding a copy of the bundled samples (nine valid inputs).
  fs::path MakeSampleFolder(const std::string& name);

  // Answers for the windows other than Form1 (which is always answered with OK); the
  // default answers Cancel.
  std::function<vcl::TModalResult(vcl::TForm&)> answer;
  std::vector<ModalShow> shows;
  std::vector<vcl::MessageBoxRequest> reports;
  RecordingForm2* form2 = nullptr;

 private:
  fs::path root_;
  int pixelsPerInch_ = 96;
  int colourDepth_ = 24;
};

}  // namespace forms_test
