#include "progress_bar.h"

#include <QProgressBar>
#include <algorithm>

namespace vcl {

TProgressBar::TProgressBar(TForm* parent) : TControl(parent) {
  SetBounds(0, 0, 150, 16);
  auto* bar = new QProgressBar();
  bar->setTextVisible(false);
  AttachWidget(bar);
  Widget()->setFocusPolicy(Qt::NoFocus);
  Apply();
}

void TProgressBar::SetMin(int min) {
  min_ = min;
  if (max_ < min_) max_ = min_;
  Apply();
}

void TProgressBar::SetMax(int max) {
  max_ = max;
  if (min_ > max_) min_ = max_;
  Apply();
}

void TProgressBar::SetPosition(int position) {
  position_ = position;
  Apply();
}

void TProgressBar::Apply() {
  position_ = std::clamp(position_, min_, max_);
  auto* bar = static_cast<QProgressBar*>(Widget());
  bar->setRange(min_, max_);
  bar->setValue(position_);
  // The compile runs inside a click handler: draw the new position straight away.
  if (bar->isVisible()) bar->repaint();
}

}  // namespace vcl
