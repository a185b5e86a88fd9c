#include "image.h"

#include <QImage>
#include <QPainter>
#include <stdexcept>

#include "qt_bridge.h"

namespace vcl {

struct TPicture::Pixels {
  QImage image;
};

TPicture::TPicture() : pixels_(std::make_unique<Pixels>()) {}
TPicture::~TPicture() = default;

void TPicture::LoadFromBytes(std::span<const std::uint8_t> bytes) {
  QImage image;
  if (bytes.empty() || !image.loadFromData(bytes.data(), static_cast<int>(bytes.size())))
    throw std::runtime_error("Bitmap image is not valid");
  pixels_->image = std::move(image);
}

int TPicture::Width() const { return pixels_->image.width(); }
int TPicture::Height() const { return pixels_->image.height(); }
bool TPicture::Empty() const { return pixels_->image.isNull(); }

TImage::TImage(TForm* parent) : TControl(parent) {
  SetBounds(0, 0, 105, 105);
  AttachWidget(new PaintedWidget([this](QPainter& painter) {
                 const QImage& image = picture_.Image().image;
                 if (image.isNull()) return;
                 int x = 0, y = 0;
                 if (center_) {
                   x = (Width() - image.width()) / 2;
                   y = (Height() - image.height()) / 2;
                 }
                 painter.drawImage(x, y, image);
               }),
               true);
}

TImage::~TImage() = default;

void TImage::LoadPicture(std::span<const std::uint8_t> bytes) {
  picture_.LoadFromBytes(bytes);
  PictureChanged();
}

void TImage::PictureChanged() {
  if (autoSize_ && !picture_.Empty()) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
  Widget()->update();
}

void TImage::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  PictureChanged();
}

void TImage::SetCenter(bool center) {
  center_ = center;
  Widget()->update();
}

}  // namespace vcl
