#include "ui/qt/window/PreviewWindow.h"

#include <QVBoxLayout>

#include "ui/qt/widgets/RendererWidget.h"

namespace kestrova::qt {

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 100;

// The dialog keeps the renderer copy alive as long as it lives.
template <class Renderer>
class RendererCopy : public QObject {
 public:
  RendererCopy(const Renderer& source, QObject* owner) : QObject(owner) { renderer.Assign(source); }
  Renderer renderer;
};

template <class Renderer>
RendererWidget* AddCopy(const Renderer& source, QDialog* dialog) {
  auto* copy = new RendererCopy<Renderer>(source, dialog);
  auto* widget = new RendererWidget(
      [copy](TCanvas& canvas, int w, int h) { copy->renderer.Paint(canvas, w, h); }, dialog);
  copy->renderer.OnChange = [widget] { widget->Invalidate(); };
  auto* layout = new QVBoxLayout(dialog);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(widget);
  return widget;
}

}  // namespace

std::unique_ptr<QDialog> MakePreviewWindow(PreviewKind kind, TForm1& form, QWidget* parent) {
  auto dialog = std::make_unique<QDialog>(parent);
  dialog->setModal(true);
  RendererWidget* sample = nullptr;
  bool square = false;
  if (kind == PreviewKind::Gradient) {
    sample = AddCopy(static_cast<const TGradientImage&>(form.GradientImage1), dialog.get());
    dialog->setWindowTitle("Kestrova - GRADIENT");
    square = form.GradientImage1.IsRound();
  } else {
    sample = AddCopy(static_cast<const TButtonizer&>(form.Buttonizer1), dialog.get());
    dialog->setWindowTitle("Kestrova - BUTTONIZER");
    square = form.Buttonizer1.RoundBtn();
  }
  sample->setObjectName("PreviewSample");
  const QSize size(kWidth, square ? kWidth : kHeight);
  dialog->resize(size);  // (centred on the screen as it shows, as every dialog is)
  return dialog;
}

void ShowPreviewWindow(PreviewKind kind, TForm1& form, QWidget* parent) {
  MakePreviewWindow(kind, form, parent)->exec();
}

}  // namespace kestrova::qt
