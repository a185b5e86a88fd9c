// A horizontal progress bar; Position is kept within Min..Max.
#pragma once

#include "control.h"

namespace vcl {

class TProgressBar : public TControl {
 public:
  explicit TProgressBar(TForm* parent);  // 150 x 16, range 0..100

  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  void SetMin(int min);
  void SetMax(int max);
  void SetPosition(int position);

 private:
  void Apply();
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
};

}  // namespace vcl
