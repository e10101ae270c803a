#pragma once
// A speed button: a flat button that can stay down. Buttons joined into one
// group work like radio buttons: putting one down brings the others up. A group
// that allows all up lets its down button come up again; a group of one that
// allows all up is a plain toggle. Setting Down from the program runs no handler;
// a user's Click() changes Down and then runs the click handler.

#include <functional>
#include <initializer_list>
#include <vector>

#include "ui/model/controls/Control.h"

namespace kestrova {

class TSpeedButton : public TControl {
 public:
  using TControl::TControl;

  // Joins the buttons into one group.
  static void JoinGroup(std::initializer_list<TSpeedButton*> buttons, bool allowAllUp);

  bool Down() const { return down_; }
  // Down: the others of the group come up. Up: only when the group allows all up
  // (or the button is in no group); otherwise nothing changes.
  void SetDown(bool on);
  void Click();

  void SetOnClick(std::function<void()> handler) { onClick_ = std::move(handler); }

 private:
  bool down_ = false;
  bool grouped_ = false;
  bool allowAllUp_ = false;
  std::vector<TSpeedButton*> others_;
  std::function<void()> onClick_;
};

// 0, 1 or 2 by the first of three buttons that is down; 0 when none is (the
// text alignment groups).
int AlignmentOf(const TSpeedButton& first, const TSpeedButton& second, const TSpeedButton& third);

}  // namespace kestrova
