// What a user does, delivered as real Qt input events to the widgets (for tests and
// demonstrations; nothing needs to be on the screen). Handlers run as they would for a
// user: an exception escaping one is reported by Application->ShowException.
#pragma once

#include "vcl_types.h"

namespace vcl {

class TControl;
class TForm;
class TDriveComboBox;
class TDirectoryListBox;

// Press and release over the control's middle: OnMouseDown, OnClick, OnMouseUp.
void ClickControl(TControl& control, TMouseButton button = mbLeft);
void PressMouseOn(TControl& control, TMouseButton button = mbLeft);
void ReleaseMouseOn(TControl& control, TMouseButton button = mbLeft);
void DoubleClickControl(TControl& control);

// A press at a point of the form's client area (the hit test decides what it does).
// Returns true when the press started a window move.
bool PressMouseOnForm(TForm& form, int clientX, int clientY);

// The close box in the form's caption bar.
void PressCloseBox(TForm& form);
// The Enter / Escape keys pressed in the form.
void PressEnter(TForm& form);
void PressEscape(TForm& form);

// Picks entry i of the drive list as a user would (OnChange runs).
void PickDrive(TDriveComboBox& box, int index);
// Double-clicks entry i of the directory list.
void DoubleClickDirectory(TDirectoryListBox& box, int index);

}  // namespace vcl
