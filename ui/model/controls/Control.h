#pragma once
// The state every control of the main window shares: its name, parent, bounds,
// texts (caption and hint; the language tables fill them), enabled and visible
// flags, tab order and tag. A widget that shows the control listens through
// SetViewListener and is told after every change of the control's state; it
// never runs the control's handlers itself.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrova {

class TControl;

// Position and size of a control in its parent, in pixels.
struct TBounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// One setting of a control's tab order.
struct TTabOrderSetting {
  const TControl* control;
  int order;
};

// Keeps a list of the controls it owns, in creation order, for look-up by
// name, and every setting of their tab orders in the order they were made:
// each one moves its control to that place among its siblings (TabList.h).
class TControlOwner {
 public:
  const std::vector<TControl*>& Components() const { return components_; }
  // The owned control of that name (case-sensitive), or nullptr.
  TControl* FindComponent(std::string_view name) const;
  void InsertComponent(TControl* control) { components_.push_back(control); }

  const std::vector<TTabOrderSetting>& TabOrderSettings() const { return tabOrderSettings_; }
  void NoteTabOrder(const TControl* control, int order) { tabOrderSettings_.push_back({control, order}); }

 private:
  std::vector<TControl*> components_;
  std::vector<TTabOrderSetting> tabOrderSettings_;
};

class TControl {
 public:
  TControl(std::string name, std::string parent);
  // A control that registers itself with its owner.
  TControl(TControlOwner* owner, std::string name, std::string parent);
  virtual ~TControl() = default;
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  const std::string& Name() const { return name_; }
  const std::string& Parent() const { return parent_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& text);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& text);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool on);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  bool Visible() const { return visible_; }
  void SetVisible(bool on);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetBounds(int left, int top, int width, int height);
  void SetBounds(const TBounds& b) { SetBounds(b.left, b.top, b.width, b.height); }
  void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
  void SetTop(int top) { SetBounds(left_, top, width_, height_); }
  void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
  void SetHeight(int height) { SetBounds(left_, top_, width_, height); }

  // -1..32767; anything else throws std::out_of_range ("Range check error").
  // The owner notes every setting, the same value again included.
  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int order);

  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  // Called after every change of the control's state (one listener, the view).
  void SetViewListener(std::function<void()> listener) { viewListener_ = std::move(listener); }

 protected:
  // Tells the view that the state changed.
  void Changed();
  // Stores a value; true (and the view told) when it differs from the old one.
  template <typename T>
  bool Store(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    Changed();
    return true;
  }

 private:
  TControlOwner* owner_ = nullptr;
  std::string name_;
  std::string parent_;
  std::string caption_;
  std::string hint_;
  bool showHint_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  int tabOrder_ = -1;
  int tag_ = 0;
  std::function<void()> viewListener_;
};

// Runs a handler when one is set.
inline void Fire(const std::function<void()>& handler) {
  if (handler) handler();
}

}  // namespace kestrova
