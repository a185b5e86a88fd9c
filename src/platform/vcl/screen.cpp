#include "screen.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include "control.h"
#include "desktop_facts.h"
#include "qt_bridge.h"
#include "win32.h"

namespace vcl {
namespace {

TScreen& TheScreen() {
  static TScreen screen;
  return screen;
}

// A monochrome cursor image as a Qt cursor: AND 1 + XOR 0 transparent, AND 0 + XOR 0
// black, AND 0 + XOR 1 white; AND 1 + XOR 1 (screen inverted) is drawn black.
QCursor CursorFromImage(const ::CursorImage& cursor) {
  QImage image(cursor.width, cursor.height, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  const int rowBytes = (cursor.width + 7) / 8;
  const auto bit = [&](const std::vector<std::uint8_t>& mask, int x, int y) {
    const std::size_t index = static_cast<std::size_t>(y * rowBytes + x / 8);
    return index < mask.size() && (mask[index] & (0x80 >> (x % 8))) != 0;
  };
  for (int y = 0; y < cursor.height; ++y)
    for (int x = 0; x < cursor.width; ++x) {
      const bool andBit = bit(cursor.andMask, x, y);
      const bool xorBit = bit(cursor.xorMask, x, y);
      if (andBit && !xorBit) continue;
      image.setPixel(x, y, (!andBit && xorBit) ? 0xFFFFFFFFu : 0xFF000000u);
    }
  return QCursor(QPixmap::fromImage(image), cursor.hotX, cursor.hotY);
}

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
    if (const ::CursorImage* image = Screen->Cursors[cursor].Image()) return CursorFromImage(*image);
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
