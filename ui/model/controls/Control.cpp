#include "ui/model/controls/Control.h"

#include <stdexcept>

namespace kestrova {

TControl* TControlOwner::FindComponent(std::string_view name) const {
  for (TControl* c : components_) {
    if (c->Name() == name) return c;
  }
  return nullptr;
}

TControl::TControl(std::string name, std::string parent)
    : name_(std::move(name)), parent_(std::move(parent)) {}

TControl::TControl(TControlOwner* owner, std::string name, std::string parent)
    : TControl(std::move(name), std::move(parent)) {
  owner_ = owner;
  if (owner != nullptr) owner->InsertComponent(this);
}

void TControl::SetCaption(const std::string& text) { Store(caption_, text); }
void TControl::SetHint(const std::string& text) { Store(hint_, text); }
void TControl::SetShowHint(bool on) { Store(showHint_, on); }
void TControl::SetEnabled(bool on) { Store(enabled_, on); }
void TControl::SetVisible(bool on) { Store(visible_, on); }

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Changed();
}

void TControl::SetTabOrder(int order) {
  if (order < -1 || order > 32767) throw std::out_of_range("Range check error");
  if (owner_ != nullptr) owner_->NoteTabOrder(this, order);
  Store(tabOrder_, order);
}

void TControl::Changed() {
  if (viewListener_) viewListener_();
}

}  // namespace kestrova
