#include "desktop_facts.h"

#include <utility>

namespace platform {
namespace {

std::function<DesktopFacts()>& FactsProvider() {
  static std::function<DesktopFacts()> provider;
  return provider;
}

std::function<CursorPosition()>& PositionProvider() {
  static std::function<CursorPosition()> provider;
  return provider;
}

}  // namespace

void SetDesktopFactsProvider(std::function<DesktopFacts()> provider) {
  FactsProvider() = std::move(provider);
}

DesktopFacts CurrentDesktopFacts() {
  return FactsProvider() ? FactsProvider()() : DesktopFacts{};
}

void SetCursorPositionProvider(std::function<CursorPosition()> provider) {
  PositionProvider() = std::move(provider);
}

CursorPosition CurrentCursorPosition() {
  return PositionProvider() ? PositionProvider()() : CursorPosition{};
}

}  // namespace platform
