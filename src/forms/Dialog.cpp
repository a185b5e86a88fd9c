#include "Dialog.h"

#include <stdexcept>

#include "application.h"
#include "main.h"
#include "metrics_text.h"
#include "program_icon.h"

TForm4* Form4 = nullptr;

TForm4::TForm4() {
  SetCaption("Browse...");
  SetBorderStyle(vcl::bsSingle);
  SetBorderIcons(vcl::biSystemMenu);
  SetClientWidth(225);
  SetClientHeight(215);
  SetLeft(430);
  SetTop(624);
  lumpforge::SetProgramIcon(*this);

  DriveComboBox1 = new vcl::TDriveComboBox(this);
  DriveComboBox1->SetName("DriveComboBox1");
  DriveComboBox1->SetBounds(13, 9, 200, 19);
  DriveComboBox1->SetTabOrder(0);

  DirectoryListBox1 = new vcl::TDirectoryListBox(this);
  DirectoryListBox1->SetName("DirectoryListBox1");
  DirectoryListBox1->SetBounds(13, 37, 200, 108);
  DirectoryListBox1->SetItemHeight(16);
  DirectoryListBox1->SetTabOrder(1);

  Button1 = new vcl::TButton(this);
  Button1->SetName("Button1");
  Button1->SetBounds(27, 181, 75, 25);
  Button1->SetCaption("OK");
  Button1->SetTabOrder(2);

  ProgressBar1 = new vcl::TProgressBar(this);
  ProgressBar1->SetName("ProgressBar1");
  ProgressBar1->SetBounds(12, 153, 200, 16);
  ProgressBar1->SetMin(0);
  ProgressBar1->SetMax(70);
  ProgressBar1->SetTabOrder(3);

  Button2 = new vcl::TButton(this);
  Button2->SetName("Button2");
  Button2->SetBounds(123, 181, 75, 25);
  Button2->SetCaption("Cancel");
  Button2->SetTabOrder(4);

  OnShow = [this](vcl::TObject* sender) { FormShow(sender); };
  DriveComboBox1->OnChange = [this](vcl::TObject* sender) { DriveComboBox1Change(sender); };
  Button1->OnClick = [this](vcl::TObject* sender) { Button1Click(sender); };
  Button2->OnClick = [this](vcl::TObject* sender) { Button2Click(sender); };
}

void TForm4::FormShow(vcl::TObject*) {
  // A removable first drive is skipped: an empty floppy drive would only raise errors.
  if (DriveComboBox1->ItemText(0) == "a:") DriveComboBox1->DeleteItem(0);
  ProgressBar1->SetPosition(0);
  SetCaption("Browse...");
}

void TForm4::DriveComboBox1Change(vcl::TObject*) {
  try {
    DirectoryListBox1->SetDrive(DriveComboBox1->Drive());
  } catch (const std::exception&) {
    // A drive that cannot be shown leaves the list where it was; the dialog stays usable.
  }
}

void TForm4::Button1Click(vcl::TObject*) {
  SetCaption("Saving gfx.wad");
  try {
    Form2->CompileWad();
  } catch (const lumpforge::MetricsLoadError& error) {
    // The compile has closed its files and removed the unfinished output; the user sees
    // the standard report and may pick again, so the dialog stays open as it is.
    vcl::Application->ShowException(error);
    return;
  }
  Close();
}

void TForm4::Button2Click(vcl::TObject*) { Close(); }
