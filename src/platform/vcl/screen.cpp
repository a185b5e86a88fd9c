#include "screen.h"

#include <QGuiApplication>
#include <QScreen>

#include "control.h"
#include "desktop_facts.h"
#include "qt_bridge.h"

namespace vcl {
namespace {

TScreen& TheScreen() {
  static TScreen screen;
  return screen;
}

// Turns a registered cursor image into a Qt cursor (until the platform's cursor images are
// available here every custom number shows the desktop's pointing hand).
QCursor CursorFromImage(const ::CursorImage*) { return QCursor(Qt::PointingHandCursor); }

}  // namespace

TScreen* Screen = &TheScreen();

TCursorTable::Slot& TCursorTable::Slot::operator=(const ::CursorImage* image) {
  if (image)
    table_->images_[number_] = image;
  else
    table_->images_.erase(number_);
  TControl::RefreshAllCursors();
  return *this;
}

const ::CursorImage* TCursorTable::Slot::Image() const {
  const auto it = table_->images_.find(number_);
  return it == table_->images_.end() ? nullptr : it->second;
}

QCursor QtCursorFor(TCursor cursor) {
  if (cursor > 0) {
    if (const ::CursorImage* image = Screen->Cursors[cursor].Image()) return CursorFromImage(image);
    return QCursor(Qt::ArrowCursor);
  }
  switch (cursor) {
    case crIBeam: return QCursor(Qt::IBeamCursor);
    case crHourGlass: return QCursor(Qt::WaitCursor);
    case crHandPoint: return QCursor(Qt::PointingHandCursor);
    default: return QCursor(Qt::ArrowCursor);
  }
}

int TScreen::PixelsPerInch() const {
  const int dpi = platform::CurrentDesktopFacts().logicalDpi;
  return dpi > 0 ? dpi : 96;
}

int TScreen::Width() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().width() : 1024;
}

int TScreen::Height() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().height() : 768;
}

}  // namespace vcl
