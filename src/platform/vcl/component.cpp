#include "component.h"

#include "form.h"

namespace vcl {

TComponent::TComponent(TForm* owner) : owner_(owner) {
  if (owner_) owner_->AddComponent(this);
}

TComponent::~TComponent() {
  if (owner_ && !owner_->destroying_) owner_->RemoveComponent(this);
}

}  // namespace vcl
