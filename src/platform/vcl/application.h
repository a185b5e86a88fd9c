// The application object: creates the Qt application, owns the forms, runs the loop and
// reports errors.
#pragma once

#include <exception>
#include <string>
#include <vector>

#include "form.h"

namespace vcl {

class TApplication {
 public:
  TApplication();
  ~TApplication();

  // Creates the Qt application (once; later calls do nothing) with Qt's automatic
  // high-DPI scaling off so pixels stay pixels, sets up the font substitutions ("Arial"
  // -> Liberation Sans, "MS Sans Serif" -> DejaVu Sans) and installs the desktop facts
  // providers (logical pixels per inch, colour depth, cursor position) of desktop_facts.h.
  void Initialize();
  void Initialize(int& argc, char** argv);
  bool Initialized() const;

  // The task bar name and the caption of the exception report.
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);

  // Creates a form owned by the application; the first one created is the main form.
  template <class T>
  void CreateForm(T*& reference) {
    T* form = new T();
    reference = form;
    AddForm(form);
  }
  TForm* MainForm() const { return mainForm_; }

  // Shows the main form and runs the event loop until it closes (or Terminate()).
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  void ProcessMessages();

  // The standard error report: a message box captioned with the title, showing the
  // error's message followed by "." (unless it already ends with one), with the error
  // icon and an OK button. A message-box hook (hooks.h) sees it instead.
  void ShowException(const std::exception& error);
  // For use inside a catch block: reports the exception being handled.
  void HandleException();

  // Destroys every form (last created first).
  void DestroyForms();
  // Destroys every form and then the Qt application; the program entry calls it before
  // returning (nothing is torn down at process exit otherwise).
  void Finalize();

 private:
  void AddForm(TForm* form);

  std::string title_;
  std::vector<TForm*> forms_;
  TForm* mainForm_ = nullptr;
  bool terminated_ = false;
};

extern TApplication* Application;

// The report text for an error: its message followed by ".".
std::string ExceptionReportText(const std::exception& error);

}  // namespace vcl
