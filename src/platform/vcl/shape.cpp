#include "shape.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "qt_bridge.h"

namespace vcl {

TShape::TShape(TForm* parent) : TControl(parent) {
  SetBounds(0, 0, 65, 65);
  brush_.OnChange = [this] { Widget()->update(); };
  pen_.OnChange = [this] { Widget()->update(); };
  AttachWidget(new PaintedWidget([this](QPainter& painter) {
                 const QRect all(0, 0, Width(), Height());
                 const int pen = pen_.Width();
                 // The outline lies inside the bounds; what is left inside it is brush.
                 painter.fillRect(all, ToQColor(pen > 0 ? pen_.Color() : brush_.Color()));
                 const QRect inner = all.adjusted(pen, pen, -pen, -pen);
                 if (inner.width() > 0 && inner.height() > 0)
                   painter.fillRect(inner, ToQColor(brush_.Color()));
               }),
               true);
}

}  // namespace vcl
