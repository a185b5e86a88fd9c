#include "user_input.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "control.h"
#include "directory_list_box.h"
#include "drive_combo_box.h"
#include "form.h"
#include "qt_bridge.h"

namespace vcl {
namespace {

Qt::MouseButton QtButton(TMouseButton button) {
  switch (button) {
    case mbRight: return Qt::RightButton;
    case mbMiddle: return Qt::MiddleButton;
    default: return Qt::LeftButton;
  }
}

void SendMouse(QWidget* widget, QEvent::Type type, const QPoint& at, Qt::MouseButton button) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
  QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

QPoint Middle(const TControl& control) { return QPoint(control.Width() / 2, control.Height() / 2); }

void SendKey(TForm& form, int key) {
  QWidget* target = form.Widget();
  if (QWidget* focused = target->focusWidget()) target = focused;
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
  QApplication::sendEvent(target, &release);
}

}  // namespace

void PressMouseOn(TControl& control, TMouseButton button) {
  SendMouse(control.Widget(), QEvent::MouseButtonPress, Middle(control), QtButton(button));
}

void ReleaseMouseOn(TControl& control, TMouseButton button) {
  SendMouse(control.Widget(), QEvent::MouseButtonRelease, Middle(control), QtButton(button));
}

void ClickControl(TControl& control, TMouseButton button) {
  PressMouseOn(control, button);
  ReleaseMouseOn(control, button);
}

void DoubleClickControl(TControl& control) {
  ClickControl(control);
  SendMouse(control.Widget(), QEvent::MouseButtonDblClick, Middle(control), Qt::LeftButton);
  ReleaseMouseOn(control);
}

bool PressMouseOnForm(TForm& form, int clientX, int clientY) {
  (void)clientX;
  (void)clientY;
  return ControlEvents::HitTestPress(form);
}

void PressCloseBox(TForm& form) {
  QCloseEvent event;
  QApplication::sendEvent(form.Widget(), &event);
}

void PressEnter(TForm& form) { SendKey(form, Qt::Key_Return); }
void PressEscape(TForm& form) { SendKey(form, Qt::Key_Escape); }

void PickDrive(TDriveComboBox& box, int index) { ControlEvents::PickDrive(box, index); }

void DoubleClickDirectory(TDirectoryListBox& box, int index) {
  ControlEvents::OpenDirectoryItem(box, index);
}

void ControlEvents::PickDrive(TDriveComboBox& box, int index) {
  RunGuarded([&box, index] { box.UserPicked(index); });
}

void ControlEvents::OpenDirectoryItem(TDirectoryListBox& box, int index) {
  RunGuarded([&box, index] { box.OpenItem(index); });
}

}  // namespace vcl
