// Test hooks: they answer what would otherwise wait for a user, so no test needs a display.
// While a hook is installed nothing it answers is put on the screen.
#pragma once

#include <functional>
#include <string>

#include "vcl_types.h"

namespace vcl {

class TForm;
class TMenuItem;
class TPopupMenu;

// Sees every modal show after OnShow has run (caption, control texts and bounds readable)
// and returns the modal result. The hook may act on the form (click its buttons, press
// its close box, see testing.h); when it returns mrNone the form's ModalResult at that
// moment is used, and mrCancel when none was set, as if the close box had been pressed.
using ModalHook = std::function<TModalResult(TForm& form)>;
void SetModalHook(ModalHook hook);  // an empty function removes the hook
bool HasModalHook();

enum class MessageBoxIcon { Error, Warning, Information };
struct MessageBoxRequest {
  std::string caption;
  std::string text;
  MessageBoxIcon icon = MessageBoxIcon::Error;
};
// Sees every message box (the exception report) instead of it being shown.
using MessageBoxHook = std::function<void(const MessageBoxRequest& request)>;
void SetMessageBoxHook(MessageBoxHook hook);

// Chooses for every popup menu: returns the item the user would pick, or nullptr.
using PopupHook = std::function<TMenuItem*(TPopupMenu& menu, int x, int y)>;
void SetPopupHook(PopupHook hook);

// The hooks as installed (for the layer).
const ModalHook& CurrentModalHook();
const MessageBoxHook& CurrentMessageBoxHook();
const PopupHook& CurrentPopupHook();

}  // namespace vcl
