// Inside the form layer: turning its values into Qt's and the Qt widgets behind forms and
// controls. Not for use outside src/platform/vcl.
#pragma once

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QObject>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>

#include "font.h"
#include "vcl_types.h"

class QPainter;

namespace vcl {

class TControl;
class TForm;
class TDriveComboBox;
class TDirectoryListBox;

QString ToQString(const std::string& text);
std::string FromQString(const QString& text);
QColor ToQColor(TColor color);
QFont ToQFont(const TFont& font);
QCursor QtCursorFor(TCursor cursor);

// Makes sure a Qt application exists (forms made before Initialize() get one).
void EnsureQtApplication();

// Runs a handler on behalf of user input: an escaping exception is reported by
// Application->ShowException and goes no further.
void RunGuarded(const std::function<void()>& handler);

// A widget that paints through a callback (labels, images, shapes).
class PaintedWidget : public QWidget {
 public:
  explicit PaintedWidget(std::function<void(QPainter&)> paint) : paint_(std::move(paint)) {}

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::function<void(QPainter&)> paint_;
};

// The client area of a form.
class FormWidget : public QWidget {
 public:
  explicit FormWidget(TForm* form);
  void StartManualMove(const QPoint& globalPress);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  TForm* form_;
  bool manualMove_ = false;
  QPoint pressGlobal_;
  QPoint startOuter_;
};

// Delivers a control's mouse input to its events (and a windowless control's presses to
// its form's hit test first).
class ControlEvents : public QObject {
 public:
  ControlEvents(TControl* control, bool windowless) : control_(control), windowless_(windowless) {}
  bool eventFilter(QObject* watched, QEvent* event) override;

  static void PickDrive(TDriveComboBox& box, int index);
  static void OpenDirectoryItem(TDirectoryListBox& box, int index);
  static bool HitTestPress(TForm& form);

 private:
  TControl* control_;
  bool windowless_;
  bool pressed_ = false;
  bool doublePress_ = false;
};

}  // namespace vcl
