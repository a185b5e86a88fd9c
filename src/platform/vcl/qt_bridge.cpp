#include "qt_bridge.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QWindow>
#include <stdexcept>

#include "application.h"
#include "button.h"
#include "control.h"
#include "directory_list_box.h"
#include "drive_combo_box.h"
#include "form.h"

namespace vcl {

QString ToQString(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string FromQString(const QString& text) { return text.toUtf8().toStdString(); }

QColor ToQColor(TColor color) {
  const auto value = static_cast<std::uint32_t>(color);
  if (value & 0x80000000u) {
    const QPalette palette = QApplication::palette();
    switch (value & 0xFFu) {
      case 0x05: return palette.color(QPalette::Base);
      case 0x08: return palette.color(QPalette::WindowText);
      case 0x0F: return palette.color(QPalette::Window);
      case 0x12: return palette.color(QPalette::ButtonText);
      default: return QColor(0, 0, 0);
    }
  }
  return QColor(static_cast<int>(value & 0xFFu), static_cast<int>((value >> 8) & 0xFFu),
                static_cast<int>((value >> 16) & 0xFFu));
}

QFont ToQFont(const TFont& font) {
  QFont qfont(ToQString(font.Name()));
  qfont.setBold((font.Style() & fsBold) != 0);
  qfont.setItalic((font.Style() & fsItalic) != 0);
  qfont.setUnderline((font.Style() & fsUnderline) != 0);
  qfont.setStrikeOut((font.Style() & fsStrikeOut) != 0);
  const int height = font.Height();
  if (height < 0) {
    qfont.setPixelSize(-height);
  } else if (height > 0) {
    // A positive height is the whole character cell: take the largest character height
    // whose line still fits into it.
    int pixels = height;
    while (pixels > 1) {
      qfont.setPixelSize(pixels);
      if (QFontMetrics(qfont).height() <= height) break;
      --pixels;
    }
    qfont.setPixelSize(pixels);
  } else {
    qfont.setPixelSize(13);
  }
  return qfont;
}

void EnsureQtApplication() {
  if (!QApplication::instance()) Application->Initialize();
}

void RunGuarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (...) {
    Application->HandleException();
  }
}

void PaintedWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (paint_) paint_(painter);
}

// ---- forms ----------------------------------------------------------------------------

FormWidget::FormWidget(TForm* form) : QWidget(nullptr, Qt::Window), form_(form) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  setAutoFillBackground(true);
}

void FormWidget::closeEvent(QCloseEvent* event) {
  // The layer never closes its widgets (it hides them), so this is the close box or the
  // window manager asking: the form decides.
  event->ignore();
  RunGuarded([this] { form_->CloseBoxPressed(); });
}

void FormWidget::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (!form_->applyingGeometry_ && isVisible()) {
    const auto frame = form_->Frame();
    form_->WindowMovedTo(geometry().x() - frame.left, geometry().y() - frame.top);
  }
}

void FormWidget::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
    const bool enter = key != Qt::Key_Escape;
    if (enter) {
      if (auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
          focused && focused->window() == this) {
        focused->click();
        return;
      }
    }
    for (TComponent* component : form_->Components()) {
      auto* button = dynamic_cast<TButton*>(component);
      if (button && button->Visible() && button->Enabled() &&
          (enter ? button->Default() : button->Cancel())) {
        RunGuarded([button] { button->Click(); });
        return;
      }
    }
  }
  QWidget::keyPressEvent(event);
}

void FormWidget::StartManualMove(const QPoint& globalPress) {
  manualMove_ = true;
  pressGlobal_ = globalPress;
  startOuter_ = QPoint(form_->Left(), form_->Top());
  grabMouse();
}

void FormWidget::mousePressEvent(QMouseEvent* event) {
  if (ControlEvents::HitTestPress(*form_)) {
    event->accept();
    return;
  }
  QWidget::mousePressEvent(event);
}

void FormWidget::mouseMoveEvent(QMouseEvent* event) {
  if (manualMove_) {
    const QPoint delta = event->globalPosition().toPoint() - pressGlobal_;
    form_->SetBounds(startOuter_.x() + delta.x(), startOuter_.y() + delta.y(), form_->Width(),
                     form_->Height());
    return;
  }
  QWidget::mouseMoveEvent(event);
}

void FormWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (manualMove_) {
    manualMove_ = false;
    releaseMouse();
    return;
  }
  QWidget::mouseReleaseEvent(event);
}

// ---- control input --------------------------------------------------------------------

namespace {

TMouseButton ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: return mbLeft;
  }
}

TShiftState ShiftOf(const QMouseEvent& event) {
  TShiftState shift = 0;
  const auto modifiers = event.modifiers();
  if (modifiers & Qt::ShiftModifier) shift |= ssShift;
  if (modifiers & Qt::AltModifier) shift |= ssAlt;
  if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
  const auto buttons = event.buttons() | event.button();
  if (buttons & Qt::LeftButton) shift |= ssLeft;
  if (buttons & Qt::RightButton) shift |= ssRight;
  if (buttons & Qt::MiddleButton) shift |= ssMiddle;
  return shift;
}

}  // namespace

bool ControlEvents::HitTestPress(TForm& form) {
  bool moved = false;
  RunGuarded([&] { moved = form.DeliverHitTest(); });
  return moved;
}

bool ControlEvents::eventFilter(QObject* watched, QEvent* event) {
  if (watched != control_->Widget()) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (windowless_ && control_->Parent() && HitTestPress(*control_->Parent())) return true;
      const QPoint at = mouse->position().toPoint();
      const bool isDouble = event->type() == QEvent::MouseButtonDblClick;
      pressed_ = true;
      doublePress_ = isDouble;
      TControl* control = control_;
      if (isDouble) RunGuarded([control] { if (control->OnDblClick) control->OnDblClick(control); });
      const TMouseButton button = ButtonOf(mouse->button());
      const TShiftState shift = ShiftOf(*mouse) | (isDouble ? ssDouble : 0);
      RunGuarded([=] {
        if (control->OnMouseDown) control->OnMouseDown(control, button, shift, at.x(), at.y());
      });
      // Windowless controls take the press; real widgets (buttons, lists) handle it too.
      return windowless_;
    }
    case QEvent::MouseButtonRelease: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      const QPoint at = mouse->position().toPoint();
      TControl* control = control_;
      const bool wasPressed = pressed_;
      const bool wasDouble = doublePress_;
      pressed_ = false;
      doublePress_ = false;
      const bool inside = QRect(0, 0, control->Width(), control->Height()).contains(at);
      // The click runs before the mouse-up handler. Buttons click through their own widget.
      if (windowless_ && wasPressed && !wasDouble && inside && mouse->button() == Qt::LeftButton)
        RunGuarded([control] { control->Click(); });
      const TMouseButton button = ButtonOf(mouse->button());
      const TShiftState shift = ShiftOf(*mouse);
      RunGuarded([=] {
        if (control->OnMouseUp) control->OnMouseUp(control, button, shift, at.x(), at.y());
      });
      return windowless_;
    }
    default:
      return false;
  }
}

}  // namespace vcl
