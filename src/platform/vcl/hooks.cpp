#include "hooks.h"

#include <utility>

namespace vcl {
namespace {

ModalHook& ModalHookSlot() {
  static ModalHook hook;
  return hook;
}
MessageBoxHook& MessageBoxHookSlot() {
  static MessageBoxHook hook;
  return hook;
}
PopupHook& PopupHookSlot() {
  static PopupHook hook;
  return hook;
}

}  // namespace

void SetModalHook(ModalHook hook) { ModalHookSlot() = std::move(hook); }
bool HasModalHook() { return static_cast<bool>(ModalHookSlot()); }
void SetMessageBoxHook(MessageBoxHook hook) { MessageBoxHookSlot() = std::move(hook); }
void SetPopupHook(PopupHook hook) { PopupHookSlot() = std::move(hook); }
const ModalHook& CurrentModalHook() { return ModalHookSlot(); }
const MessageBoxHook& CurrentMessageBoxHook() { return MessageBoxHookSlot(); }
const PopupHook& CurrentPopupHook() { return PopupHookSlot(); }

}  // namespace vcl
