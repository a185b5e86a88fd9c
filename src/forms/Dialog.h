// The folder chooser and save dialog: a drive list, a directory list, a progress bar,
// OK (compile the chosen folder) and Cancel.
#pragma once

#include "button.h"
#include "directory_list_box.h"
#include "drive_combo_box.h"
#include "form.h"
#include "progress_bar.h"

class TForm4 : public vcl::TForm {
 public:
  // Loads the design values: caption "Browse...", fixed single border with a close box
  // only, client 225 x 215 at 430, 624, and the five controls in tab order.
  TForm4();

  vcl::TDriveComboBox* DriveComboBox1;
  vcl::TDirectoryListBox* DirectoryListBox1;
  vcl::TButton* Button1;
  vcl::TProgressBar* ProgressBar1;
  vcl::TButton* Button2;

  // Every show: drops a leading removable drive "a:", empties the progress bar and
  // puts the caption back to "Browse...".
  void FormShow(vcl::TObject* sender);
  // The user picked another drive: the directory list follows it; a drive it cannot
  // show is quietly ignored.
  void DriveComboBox1Change(vcl::TObject* sender);
  // OK: compiles the chosen folder through the main window, then closes. When a metrics
  // file cannot be loaded the error is reported and the dialog stays open.
  void Button1Click(vcl::TObject* sender);
  // Cancel: closes.
  void Button2Click(vcl::TObject* sender);
};

extern TForm4* Form4;
