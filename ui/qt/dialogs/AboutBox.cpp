#include "ui/qt/dialogs/AboutBox.h"

#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/model/language/Language.h"
#include "ui/qt/widgets/ButtonView.h"
#include "ui/qt/widgets/ControlView.h"
#include "ui/qt/widgets/LabelView.h"
#include "ui/qt/widgets/MemoView.h"
#include "ui/qt/widgets/QtText.h"
#include "ui/qt/widgets/RendererWidget.h"
#include "ui/qt/widgets/WWWLabel.h"

// The resources of the window's library (kestrova.qrc), linked in with it.
static void InitWindowResources() { Q_INIT_RESOURCE(kestrova); }

namespace kestrova::qt {

namespace {

constexpr int kWidth = 277;
constexpr int kHeight = 397;

// A caption at fixed bounds, centred.
QLabel* PlaceLabel(TLabel& label, QLabel* text, QWidget* parent, const QRect& bounds) {
  text->setParent(parent);
  text->setObjectName(QString::fromStdString(label.Name()));
  text->setTextFormat(Qt::PlainText);
  text->setAlignment(Qt::AlignCenter);
  text->setWordWrap(true);
  text->setGeometry(bounds);
  new LabelView(label, text, false, Placement::Layout);
  return text;
}

std::string LanguageNameOf(const std::string& locale) {
  const std::string code = locale.substr(0, locale.find_first_of(".@"));
  if (code == "C" || code == "POSIX") return code;
  const QLocale language(QString::fromStdString(code));
  QString name = QLocale::languageToString(language.language());
  if (code.find('_') != std::string::npos) name += " (" + QLocale::territoryToString(language.territory()) + ")";
  return FromQt(name);
}

}  // namespace

TAboutBoxSources AboutBox::DefaultAboutBoxSources() {
  TAboutBoxSources sources;
  sources.languageName = LanguageNameOf;
  return sources;
}

AboutBox::AboutBox(TForm1& form, TAboutBoxSources sources, QWidget* parent)
    : ModelHolder(std::move(sources)), QDialog(parent) {
  setObjectName("AboutBox");
  setModal(true);
  setFixedSize(kWidth, kHeight);
  model_.OpenURL = form.Hooks.OpenURL;
  BuildWidgets();
  CloseWithModel(*this, model_);
  connect(&timer_, &QTimer::timeout, this, [this] {
    model_.Timer1Timer();
    FollowTimer();
  });
}

void AboutBox::BuildWidgets() {
  auto* panel = new RendererWidget(
      [this](TCanvas& canvas, int w, int h) { model_.GradientImage1.Paint(canvas, w, h); }, this);
  panel->setObjectName("GradientImage1");
  panel->setGeometry(0, 0, kWidth, kHeight);
  new RendererView(model_.GradientImage1, panel, Placement::Layout);

  InitWindowResources();
  auto* icon = new QLabel(panel);
  icon->setObjectName("Image1");
  icon->setGeometry(16, 8, 32, 32);
  icon->setPixmap(QPixmap(QStringLiteral(":/kestrova/kestrova-32.png")));

  QLabel* version = PlaceLabel(model_.Version, new QLabel, panel, QRect(47, 8, 215, 33));
  QFont bold = version->font();
  bold.setBold(true);
  version->setFont(bold);
  PlaceLabel(model_.Comments, new QLabel, panel, QRect(8, 60, 261, 18));
  PlaceLabel(model_.Credits, new QLabel, panel, QRect(8, 96, 261, 36));
  auto* web = new WWWLabel;
  PlaceLabel(model_.LabelWeb, web, panel, QRect(8, 152, 261, 18));
  web->OnClick = [this] { model_.LabelWebClick(); };

  // The window's own font: the memo holds several facts in little room.
  model_.MemoSys.SetFont(TFont{"Liberation Sans", 8, 0, 1, clBlack, fqDefault});
  auto* memo = new QPlainTextEdit(panel);
  memo->setObjectName("MemoSys");
  // Room for every fact, a long system name on two lines, down to the version line.
  memo->setGeometry(8, 200, 257, 112);
  new MemoView(model_.MemoSys, memo, Placement::Layout);
  memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  memo->document()->setDocumentMargin(2);
  // No scroll bar for the empty line after the last fact's line break (the
  // wheel and the keys still scroll a longer text).
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  PlaceLabel(model_.LabelVer, new QLabel, panel, QRect(18, 319, 241, 18));

  auto* ok = new QPushButton(panel);
  ok->setObjectName("OKButton");
  ok->setGeometry(102, 352, 73, 33);
  ok->setDefault(true);
  new ButtonView(model_.OKButton, ok, Placement::Layout);
  // The box opens with the keyboard on OK; Tab goes on to the link, the system information and back.
  ok->setFocus();
}

void AboutBox::showEvent(QShowEvent* event) {
  model_.FormShow();
  setWindowTitle(ToQt(model_.Caption()));
  if (auto* memo = findChild<QWidget*>("MemoSys")) NameForScreenReaders(memo, ToQt(Lang(LangAbout[laSystemInfo])));
  FollowTimer();
  QDialog::showEvent(event);
}

void AboutBox::reject() { model_.OKButton.Click(); }

void AboutBox::done(int result) {
  timer_.stop();
  QDialog::done(result);
}

void AboutBox::FollowTimer() {
  if (!model_.Timer1.Enabled) {
    timer_.stop();
    return;
  }
  if (timer_.interval() != model_.Timer1.Interval) timer_.setInterval(model_.Timer1.Interval);
  if (!timer_.isActive()) timer_.start();
}

int RunAboutBox(QWidget* parent, TForm1& form) {
  AboutBox box(form, AboutBox::DefaultAboutBoxSources(), parent);
  box.exec();
  return box.Model().ModalResult();
}

}  // namespace kestrova::qt
