#include "ui/qt/window/ControlWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

#include "ui/qt/widgets/ButtonView.h"
#include "ui/qt/widgets/CheckBoxView.h"
#include "ui/qt/widgets/ColorButtonView.h"
#include "ui/qt/widgets/ComboBoxView.h"
#include "ui/qt/widgets/EditView.h"
#include "ui/qt/widgets/ImageBoxView.h"
#include "ui/qt/widgets/ImageView.h"
#include "ui/qt/widgets/LabelView.h"
#include "ui/qt/widgets/MemoView.h"
#include "ui/qt/widgets/PageControlView.h"
#include "ui/qt/widgets/RadioGroupView.h"
#include "ui/qt/widgets/RendererWidget.h"
#include "ui/qt/widgets/SliderView.h"
#include "ui/qt/widgets/SpeedButtonView.h"
#include "ui/qt/widgets/SpinEditView.h"
#include "ui/qt/window/StoredLayout.h"

namespace kestrova::qt {

namespace {

// A group box as the stored layout expects it: the frame starts half a line
// down and the title sits on it, so controls placed just below the title stay
// inside the frame. Set on the box alone, so no other widget changes style.
void ShapeAsStored(QGroupBox* box) {
  box->setStyleSheet(
      "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.5em; }"
      "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }");
}

// Labels that show a font of their own: the font sample and the shadow sample.
bool HasOwnFont(const std::string& name) {
  return name == "LabelABC" || name == "LabelSh1" || name == "LabelSh2" || name == "LabelSh3";
}

template <class Renderer>
RendererWidget* MakeRenderer(Renderer& renderer, QWidget* parent) {
  auto* widget = new RendererWidget([&renderer](TCanvas& canvas, int w, int h) { renderer.Paint(canvas, w, h); },
                                    parent);
  widget->setCursor(Qt::PointingHandCursor);
  new RendererView(renderer, widget);
  return widget;
}

class Builder {
 public:
  Builder(TForm1& form, std::unordered_map<std::string, QWidget*>& containers)
      : form_(form), containers_(containers) {}

  void Build() {
    for (TControl* control : form_.Components()) {
      const auto parent = containers_.find(control->Parent());
      if (parent == containers_.end()) continue;
      const std::optional<LayoutEntry> layout = FindLayout(control->Name());
      if (layout && layout->kind != LayoutKind::Page) control->SetBounds(layout->bounds);
      QWidget* widget = Make(*control, layout, parent->second);
      if (widget != nullptr) widget->setObjectName(QString::fromStdString(control->Name()));
    }
  }

 private:
  QWidget* Make(TControl& c, const std::optional<LayoutEntry>& layout, QWidget* parent) {
    const LayoutKind kind = layout ? layout->kind : LayoutKind::Control;
    if (auto* spin = dynamic_cast<TRxSpinEdit*>(&c)) return Bind<SpinEditView>(*spin, new QSpinBox(parent));
    if (auto* slider = dynamic_cast<TRxSlider*>(&c)) return Bind<SliderView>(*slider, new QSlider(parent));
    if (auto* check = dynamic_cast<TCheckBox*>(&c)) return Bind<CheckBoxView>(*check, new QCheckBox(parent));
    if (auto* radio = dynamic_cast<TRadioGroup*>(&c)) {
      auto* box = new QGroupBox(parent);
      ShapeAsStored(box);
      new RadioGroupView(*radio, box, layout ? layout->columns : 1);
      return box;
    }
    if (auto* combo = dynamic_cast<TComboBox*>(&c)) return Bind<ComboBoxView>(*combo, new QComboBox(parent));
    if (auto* edit = dynamic_cast<TEdit*>(&c)) return Bind<EditView>(*edit, new QLineEdit(parent));
    if (auto* memo = dynamic_cast<TMemo*>(&c)) return Bind<MemoView>(*memo, new QPlainTextEdit(parent));
    if (auto* speed = dynamic_cast<TSpeedButton*>(&c)) return Bind<SpeedButtonView>(*speed, new QToolButton(parent));
    if (auto* color = dynamic_cast<TColorBitBtn*>(&c)) return Bind<ColorButtonView>(*color, new QPushButton(parent));
    if (auto* button = dynamic_cast<TButton*>(&c)) return Bind<ButtonView>(*button, new QPushButton(parent));
    if (auto* effect = dynamic_cast<TButtonizerControl*>(&c)) return MakeRenderer(*effect, parent);
    if (auto* gradient = dynamic_cast<TGradientImageControl*>(&c)) return MakeRenderer(*gradient, parent);
    if (auto* pages = dynamic_cast<TPageControl*>(&c)) {
      auto* tabs = new QTabWidget(parent);
      pageControls_[c.Name()] = new PageControlView(*pages, tabs);
      containers_[c.Name()] = tabs;
      return tabs;
    }
    if (auto* box = dynamic_cast<TScrollBox*>(&c)) {
      auto* view = new ImageBoxView(*box, parent);
      view->setGeometry(c.Left(), c.Top(), c.Width(), c.Height());
      return view;
    }
    if (auto* image = dynamic_cast<TImage*>(&c)) return Bind<ImageView>(*image, new ImageWidget(*image, parent));
    if (auto* label = dynamic_cast<TLabel*>(&c)) return MakeCaption(*label, kind, parent);
    return nullptr;
  }

  QWidget* MakeCaption(TLabel& label, LayoutKind kind, QWidget* parent) {
    switch (kind) {
      case LayoutKind::Page: {
        auto* page = new QWidget();
        const auto control = pageControls_.find(label.Parent());
        if (control == pageControls_.end()) return nullptr;
        control->second->AddPage(page, label.Name());
        new TabSheetView(label, static_cast<QTabWidget*>(parent), page);
        containers_[label.Name()] = page;
        return page;
      }
      case LayoutKind::Group: {
        auto* box = new QGroupBox(parent);
        ShapeAsStored(box);
        new GroupBoxView(label, box);
        containers_[label.Name()] = box;
        return box;
      }
      case LayoutKind::Panel: {
        auto* panel = new QWidget(parent);
        (new ControlView(label, panel, Placement::Bounds))->Mirror();
        containers_[label.Name()] = panel;
        return panel;
      }
      case LayoutKind::RightLabel:
      case LayoutKind::Label:
      case LayoutKind::Control: {
        auto* text = new QLabel(parent);
        text->setTextFormat(Qt::PlainText);
        const bool right = kind == LayoutKind::RightLabel;
        auto* view = new LabelView(label, text, HasOwnFont(label.Name()), right ? Placement::Bounds : Placement::Position);
        if (right) view->FitRightAligned();
        return text;
      }
    }
    return nullptr;
  }

  template <class V, class Control, class Widget>
  Widget* Bind(Control& control, Widget* widget) {
    new V(control, widget);
    return widget;
  }

  TForm1& form_;
  std::unordered_map<std::string, QWidget*>& containers_;
  std::unordered_map<std::string, PageControlView*> pageControls_;
};

}  // namespace

void BuildControlWidgets(TForm1& form, std::unordered_map<std::string, QWidget*>& containers) {
  Builder(form, containers).Build();
}

}  // namespace kestrova::qt
