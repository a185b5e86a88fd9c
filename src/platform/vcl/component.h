// Components: objects a form owns and destroys with itself (controls, menus).
#pragma once

#include <string>
#include <vector>

#include "vcl_types.h"

namespace vcl {

class TForm;

class TComponent : public TObject {
 public:
  // The owner destroys the component; components are created with `new X(form)` and
  // never deleted by hand.
  explicit TComponent(TForm* owner);
  ~TComponent() override;

  TForm* Owner() const { return owner_; }

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }

 private:
  friend class TForm;
  TForm* owner_;
  std::string name_;
};

}  // namespace vcl
