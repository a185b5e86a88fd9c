// Pictures and the image control.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "control.h"

namespace vcl {

class TPicture {
 public:
  TPicture();
  ~TPicture();
  // Decodes an encoded image (BMP, PNG, ...); throws std::runtime_error when the bytes
  // are not a picture, leaving the old picture in place.
  void LoadFromBytes(std::span<const std::uint8_t> bytes);
  int Width() const;
  int Height() const;
  bool Empty() const;

  struct Pixels;
  const Pixels& Image() const { return *pixels_; }

 private:
  friend class TImage;
  std::unique_ptr<Pixels> pixels_;
};

// With AutoSize on, the control takes the picture's size when a picture is loaded (and
// when AutoSize is switched on). With Center on, the picture sits in the middle of the
// control, otherwise at its top left corner. Pictures are never stretched.
class TImage : public TControl {
 public:
  explicit TImage(TForm* parent);
  ~TImage() override;

  TPicture* Picture() { return &picture_; }
  const TPicture* Picture() const { return &picture_; }
  // Loads a picture into Picture() and applies AutoSize.
  void LoadPicture(std::span<const std::uint8_t> bytes);

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  bool Center() const { return center_; }
  void SetCenter(bool center);

 private:
  void PictureChanged();
  TPicture picture_;
  bool autoSize_ = false;
  bool center_ = false;
};

}  // namespace vcl
