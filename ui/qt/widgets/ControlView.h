#pragma once
// A widget bound to one control of the window model. The control holds the
// state; the view only mirrors it: after every change of the control the view
// brings its widget into the control's state with the widget's signals
// blocked, so that no mirror update reaches the model. A user's edit goes the
// other way, through the control's setter (which runs its handler), and the
// widget is mirrored again afterwards, in case the control kept its old value.
//
// What every view mirrors: the enabled and visible states, the hint (as the
// tool tip), the name screen readers give the widget and, by its placement,
// the bounds. The name is the widget's own text, except that a control with
// no caption is named by its hint, and a caption broken over lines is read as
// one line (SpokenText). A widget that other captions name (kNamedByCaptions)
// keeps the name they give it.

#include <QObject>
#include <QWidget>
#include <functional>

#include "ui/model/controls/Control.h"

namespace kestrova::qt {

// How the control's bounds place the widget in its parent.
enum class Placement {
  Bounds,    // left, top, width and height; a width of 0 sizes the widget to its content
  Position,  // left and top; the widget takes its content's size
  Layout,    // a layout places the widget; only its visibility is mirrored
  Managed,   // a layout or a page control places and shows the widget; neither is mirrored
};

class ControlView : public QObject {
 public:
  // The view lives as long as the widget (it is the widget's child) and stops
  // listening to the control when it goes. The first Mirror is the maker's
  // (a kind's view mirrors at the end of its own constructor).
  ControlView(TControl& control, QWidget* widget, Placement placement);
  ~ControlView() override;

  TControl& Control() const { return control_; }
  QWidget* Widget() const { return widget_; }

  // Brings the widget into the control's state (signals blocked).
  void Mirror();

 protected:
  // The kind's own state: value, texts, items.
  virtual void MirrorValue() {}
  // Runs a user's edit on the control, then mirrors the widget again.
  void Edit(const std::function<void()>& edit);
  // Places the widget by the control's bounds (after MirrorValue).
  virtual void MirrorBounds();
  Placement ViewPlacement() const { return placement_; }

 private:
  void MirrorName();

  TControl& control_;
  QWidget* widget_;
  Placement placement_;
};

// The view bound to `widget` (of the kind V), or nullptr.
template <class V = ControlView>
V* ViewOf(const QWidget* widget) {
  for (QObject* child : widget->children()) {
    if (auto* view = dynamic_cast<V*>(child)) return view;
  }
  return nullptr;
}

// The property, true on a widget whose name for screen readers other captions
// give it (the fields of the option pages), that its own view leaves alone.
inline constexpr const char* kNamedByCaptions = "kestrovaNamedByCaptions";

// Gives `widget` the name screen readers read from now on, whatever its own
// view would name it by.
void NameForScreenReaders(QWidget* widget, const QString& name);

// The property that carries the model hint of a view's widget or action (the
// tool tip may differ: a tool button without a hint shows its text).
inline constexpr const char* kHintProperty = "kestrovaHint";

// The hint of the widget under the mouse, for the status bar: the hint of the
// nearest view's control (or tool button's action) up the widget's parents
// that has one, else "".
std::string HintAt(const QWidget* widget);

}  // namespace kestrova::qt
