#include "label.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "qt_bridge.h"

namespace vcl {
namespace {

// Breaks a caption into the lines it is drawn in: at "\n" always, and with word wrap at
// blanks wherever the next word would pass `width`. A word wider than the width keeps a
// line to itself.
std::vector<QString> BreakLines(const QString& caption, const QFontMetrics& metrics, bool wordWrap,
                                int width) {
  std::vector<QString> lines;
  QString text = caption;
  text.remove(QLatin1Char('\r'));
  const QStringList paragraphs = text.split(QLatin1Char('\n'));
  for (const QString& paragraph : paragraphs) {
    if (!wordWrap) {
      lines.push_back(paragraph);
      continue;
    }
    QString line;
    qsizetype start = 0;
    bool any = false;
    while (start <= paragraph.size()) {
      qsizetype end = paragraph.indexOf(QLatin1Char(' '), start);
      if (end < 0) end = paragraph.size();
      const QString word = paragraph.mid(start, end - start);
      const QString candidate = any ? line + QLatin1Char(' ') + word : word;
      if (any && metrics.horizontalAdvance(candidate) > width) {
        lines.push_back(line);
        line = word;
      } else {
        line = candidate;
      }
      any = true;
      start = end + 1;
    }
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

TLabel::TLabel(TForm* parent) : TControl(parent) {
  SetBounds(0, 0, 65, 13);
  AttachWidget(new PaintedWidget([this](QPainter& painter) { Paint(painter); }), true);
}

std::vector<std::string> TLabel::Lines() const {
  const QFontMetrics metrics(ToQFont(*Font()));
  std::vector<std::string> lines;
  for (const QString& line : BreakLines(ToQString(caption_), metrics, wordWrap_, Width()))
    lines.push_back(FromQString(line));
  return lines;
}

void TLabel::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  AdjustBounds();
  Widget()->update();
}

void TLabel::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  Widget()->update();
}

void TLabel::SetWordWrap(bool wordWrap) {
  if (wordWrap == wordWrap_) return;
  wordWrap_ = wordWrap;
  AdjustBounds();
  Widget()->update();
}

void TLabel::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  AdjustBounds();
}

void TLabel::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Widget()->update();
}

void TLabel::FontChanged() {
  AdjustBounds();
  Widget()->update();
}

void TLabel::BoundsChanged() { Widget()->update(); }

void TLabel::ColorChanged() { Widget()->update(); }

void TLabel::AdjustBounds() {
  if (!autoSize_) return;
  const QFontMetrics metrics(ToQFont(*Font()));
  const QString text = caption_.empty() ? QStringLiteral(" ") : ToQString(caption_);
  const auto lines = BreakLines(text, metrics, wordWrap_, Width());
  int width = 0;
  for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
  const int height = static_cast<int>(lines.size()) * metrics.height();
  SetBounds(Left(), Top(), width, height);
}

void TLabel::Paint(QPainter& painter) {
  QWidget* widget = Widget();
  if (!transparent_) painter.fillRect(widget->rect(), ToQColor(Color()));
  const QFont font = ToQFont(*Font());
  const QFontMetrics metrics(font);
  painter.setFont(font);
  painter.setPen(ToQColor(Font()->Color()));
  const auto lines = BreakLines(ToQString(caption_), metrics, wordWrap_, Width());
  int y = 0;
  for (const QString& line : lines) {
    const int lineWidth = metrics.horizontalAdvance(line);
    int x = 0;
    if (alignment_ == taCenter) x = (Width() - lineWidth) / 2;
    if (alignment_ == taRightJustify) x = Width() - lineWidth;
    painter.drawText(x, y + metrics.ascent(), line);
    y += metrics.height();
  }
}

}  // namespace vcl
