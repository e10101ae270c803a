#include "ui/qt/dialogs/ProcessDialog.h"

#include <QScrollArea>
#include <QStatusBar>

#include "ui/qt/dialogs/DialogWidgets.h"
#include "ui/model/language/Language.h"
#include "ui/qt/widgets/ControlView.h"
#include "ui/qt/widgets/FocusFrame.h"
#include "ui/qt/widgets/ImageView.h"
#include "ui/qt/widgets/QtText.h"
#include "ui/qt/widgets/SpokenText.h"
#include "ui/qt/widgets/StatusBarView.h"

namespace kestrova::qt {

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 438;
constexpr int kPanelHeight = 41;

}  // namespace

ProcessDialog::ProcessDialog(TForm1& form, QWidget* parent) : ModelHolder(form), QDialog(parent) {
  setObjectName("ProcessForm");
  setModal(true);
  resize(kWidth, kHeight);
  BuildWidgets();
  CloseWithModel(*this, model_);
  hide();
}

void ProcessDialog::BuildWidgets() {
  QVBoxLayout* layout = MakeColumn(this);
  QHBoxLayout* row = MakePanelRow(layout, "Panel1", kPanelHeight, 8);
  QWidget* panel = row->parentWidget();
  QLabel* label = MakeLabel(model_.Label2, panel);
  label->setMinimumWidth(97);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  row->addWidget(label);
  row->addWidget(MakeSpinEdit(model_.RxSpinEditRX, panel, 64));
  row->addWidget(MakeSpinEdit(model_.RxSpinEditRY, panel, 64));
  row->addWidget(MakePushButton(model_.BitBtnResize, panel, 105));
  row->addStretch(1);
  row->addWidget(MakePushButton(model_.BitBtnU, panel, 75));
  row->addWidget(MakePushButton(model_.BitBtnC, panel, 75));

  auto* box = new QScrollArea(this);
  box->setObjectName("ScrollBox1");
  new FocusFrame(box);  // a Tab stop: the keys scroll the picture
  auto* image = new ImageWidget(model_.Img1);
  image->setObjectName("Img1");
  box->setWidget(image);
  new ImageView(model_.Img1, image, Placement::Layout);
  layout->addWidget(box, 1);

  auto* status = new QStatusBar(this);
  status->setObjectName("StatusBar1");
  new StatusBarView(model_.StatusBar1, status, 0);
  layout->addWidget(status);
}

void ProcessDialog::NameForScreenReaders() {
  const QString size = SpokenText(ToQt(model_.Label2.Caption()));
  const auto name = [this](const char* widget, const QString& text) {
    if (auto* found = findChild<QWidget*>(widget)) qt::NameForScreenReaders(found, text);
  };
  name("RxSpinEditRX", size + ", " + ToQt(Lang(LangProcess[lprWidth])));
  name("RxSpinEditRY", size + ", " + ToQt(Lang(LangProcess[lprHeight])));
  name("ScrollBox1", ToQt(Lang(LangProcess[lprPicture])));
}

void ProcessDialog::showEvent(QShowEvent* event) {
  model_.FormShow();
  setWindowTitle(ToQt(model_.Caption()));
  NameForScreenReaders();
  QDialog::showEvent(event);
}

void ProcessDialog::reject() { model_.BitBtnCClick(); }

int RunProcessDialog(QWidget* window, TForm1& form) {
  ProcessDialog* dialog = nullptr;
  for (QObject* child : window->children()) {
    if (auto* found = dynamic_cast<ProcessDialog*>(child)) dialog = found;
  }
  if (dialog == nullptr) dialog = new ProcessDialog(form, window);
  dialog->exec();
  form.UpdateImageInfo();
  return dialog->Model().ModalResult();
}

}  // namespace kestrova::qt
