// Small helpers shared by the form layer's tests.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "desktop_facts.h"
#include "hooks.h"

namespace vcl_test {

// Installs a modal hook for the life of the object.
class ModalHookScope {
 public:
  explicit ModalHookScope(vcl::ModalHook hook) { vcl::SetModalHook(std::move(hook)); }
  ~ModalHookScope() { vcl::SetModalHook({}); }
};

// Collects every message box instead of showing it.
class MessageBoxRecorder {
 public:
  MessageBoxRecorder() {
    vcl::SetMessageBoxHook([this](const vcl::MessageBoxRequest& request) { shown.push_back(request); });
  }
  ~MessageBoxRecorder() { vcl::SetMessageBoxHook({}); }
  std::vector<vcl::MessageBoxRequest> shown;
};

// Pretends the desktop runs at the given pixels per inch.
class DpiScope {
 public:
  explicit DpiScope(int dpi) {
    platform::SetDesktopFactsProvider([dpi] { return platform::DesktopFacts{dpi, 24}; });
  }
  ~DpiScope() { platform::SetDesktopFactsProvider([] { return platform::DesktopFacts{96, 24}; }); }
};

}  // namespace vcl_test
