#include "ui/qt/window/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <unordered_map>
#include <vector>

#include "ui/model/commands/BatchRun.h"
#include "ui/model/commands/FileCommands.h"
#include "ui/model/commands/OutputSaving.h"
#include "ui/model/commands/ViewerFailure.h"
#include "ui/model/commands/WindowCommands.h"
#include "ui/qt/dialogs/AboutBox.h"
#include "ui/qt/dialogs/PresetsDialog.h"
#include "ui/qt/dialogs/ProcessDialog.h"
#include "ui/qt/widgets/ControlView.h"
#include "ui/qt/widgets/EditButton.h"
#include "ui/qt/widgets/EditView.h"
#include "ui/qt/widgets/FocusFrame.h"
#include "ui/qt/widgets/ImageBoxView.h"
#include "ui/qt/widgets/ImageView.h"
#include "ui/qt/widgets/LabelView.h"
#include "ui/qt/widgets/MemoView.h"
#include "ui/qt/widgets/QtLanguage.h"
#include "ui/qt/widgets/RendererWidget.h"
#include "ui/qt/widgets/StatusBarView.h"
#include "ui/qt/widgets/WebLinks.h"
#include "ui/qt/widgets/ZOrderView.h"
#include "ui/qt/window/ButtonGlyphs.h"
#include "ui/qt/window/ContextMenuKeys.h"
#include "ui/qt/window/ControlWidgets.h"
#include "ui/qt/window/FieldNames.h"
#include "ui/qt/window/FileDrop.h"
#include "ui/qt/window/FlowRow.h"
#include "ui/qt/window/FrameWatch.h"
#include "ui/qt/window/MenuBar.h"
#include "ui/qt/window/MenuKeys.h"
#include "ui/qt/window/PagesScrollArea.h"
#include "ui/qt/window/PopupMenus.h"
#include "ui/qt/window/PreviewWindow.h"
#include "ui/qt/window/ScreenAreas.h"
#include "ui/qt/window/StoredLayout.h"
#include "ui/qt/window/TabOrder.h"
#include "ui/qt/window/ToolBar.h"

namespace kestrova::qt {

namespace detail {

namespace {

TFormHooks WindowHooks(FormHolder* holder) {
  TFormHooks hooks;
  hooks.ChooseColor = [holder](TColor start) -> std::optional<TColor> {
    if (!holder->dialogs.ChooseColor) return std::nullopt;
    return holder->dialogs.ChooseColor(start);
  };
  hooks.ChooseFont = [holder](const TFont& start) -> std::optional<TFont> {
    if (!holder->dialogs.ChooseFont) return std::nullopt;
    return holder->dialogs.ChooseFont(start);
  };
  hooks.ExecuteFileDialog = [holder](const TFileDialog& dialog) -> std::vector<std::string> {
    if (!holder->dialogs.ExecuteFileDialog) return {};
    return holder->dialogs.ExecuteFileDialog(dialog);
  };
  hooks.OpenURL = [](const std::string& url) {
    OpenURL(url, [url](const std::string& reason) { ReportViewerFailure(url, reason); });
  };
  hooks.LanguageChanged = [holder](int langIndex) {
    UseQtLanguage(langIndex);
    if (holder->afterLanguageChange) holder->afterLanguageChange();
  };
  hooks.ShowWaitCursor = [](bool on) {
    if (on) {
      QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
      QApplication::restoreOverrideCursor();
    }
  };
  return hooks;
}

}  // namespace

FormHolder::FormHolder()
    : previousMessageBox([this] {
        TMessageBoxFunction previous = MessageBoxFunction;
        MessageBoxFunction = [this](const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int) {
          return dialogs.MessageBox ? dialogs.MessageBox(text, type, buttons) : static_cast<int>(mrNone);
        };
        return previous;
      }()),
      form(WindowHooks(this)) {}

FormHolder::~FormHolder() { MessageBoxFunction = previousMessageBox; }

}  // namespace detail

namespace {

// The least height of the base image's box in a window too low for everything.
constexpr int kLeastBaseImageHeight = 40;

// The panel of the option pages: its height is the model's (the collapse bar
// shrinks it), its width goes to the model, which widens the collapse bar.
class ControlPanelView : public ControlView {
 public:
  ControlPanelView(TForm1& form, QWidget* panel) : ControlView(form.PanelCtl, panel, Placement::Layout), form_(form) {
    panel->installEventFilter(this);
    Mirror();
  }

 protected:
  void MirrorValue() override {
    if (Widget()->height() != form_.PanelCtl.Height()) Widget()->setFixedHeight(form_.PanelCtl.Height());
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == Widget() && event->type() == QEvent::Resize) {
      form_.PanelCtl.SetWidth(Widget()->width());
      form_.PanelCtlResize();
    }
    return ControlView::eventFilter(watched, event);
  }

 private:
  TForm1& form_;
};

}  // namespace

MainWindow::MainWindow(std::optional<Dialogs> windowDialogs) {
  dialogs = windowDialogs ? std::move(*windowDialogs) : DefaultDialogs(this);
  setObjectName("TForm1");
  setWindowTitle("Kestrova");
  ConnectProgramOperations(form);
  ConnectWindowCommands(form);
  form.Close1.SetOnClick([this] { close(); });
  OpenPresetsDialog = [this] { RunPresetsDialog(this, form, dialogs); };
  OpenProcessDialog = [this] { RunProcessDialog(this, form); };
  OpenAboutBox = [this] { RunAboutBox(this, form); };
  ConnectDialogCommands();

  popups_ = new PopupMenus(form, this);
  BuildMenuBar(menuBar(), form);
  new MenuKeys(menuBar());
  new ContextMenuKeys(this);
  BuildToolBar(addToolBar(QString()), form);
  BuildCentralArea();
  new StatusBarView(form.StatusBar1, statusBar(), kStatusPanelWidth);
  ConnectSamples();
  NameFieldsByTheirCaptions(this);
  afterLanguageChange = [this] { FollowLanguage(); };

  timer1_ = new QTimer(this);
  timer1_->setInterval(form.Timer1.Interval);
  connect(timer1_, &QTimer::timeout, this, [this] { form.Timer1Timer(); });
  if (form.Timer1.Enabled) timer1_->start();
  qApp->installEventFilter(this);
  new FileDrop(this, [this](const std::vector<std::string>& files) { OpenDroppedFiles(form, files); });
  RestorePlacement();
}

MainWindow::~MainWindow() {
  afterLanguageChange = nullptr;
  qApp->removeEventFilter(this);
  delete frameWatch_;  // a frame told while the window goes is no longer fitted
  // The widgets go before the model (FormHolder is destroyed after QMainWindow).
}

void MainWindow::BuildCentralArea() {
  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->setObjectName("Splitter");
  splitter->setChildrenCollapsible(false);
  setCentralWidget(splitter);

  auto* memo = new QPlainTextEdit(splitter);
  memo->setObjectName("MemoTxt");
  memo->setMinimumWidth(60);
  new MemoView(form.MemoTxt, memo, Placement::Layout);
  new DoubleClickFilter(memo->viewport(), [this] { Openbuttoncaptionstextfile1Click(form); });

  auto* panelMain = new QWidget(splitter);
  panelMain->setObjectName("PanelMain");
  (new ControlView(form.PanelMain, panelMain, Placement::Layout))->Mirror();
  auto* mainLayout = new QVBoxLayout(panelMain);
  mainLayout->setContentsMargins(0, 0, 0, 0);
  mainLayout->setSpacing(2);

  auto* info = new QLabel(panelMain);
  info->setObjectName("LabelInfo");
  info->setTextFormat(Qt::PlainText);
  info->setFrameShape(QFrame::StyledPanel);
  info->setMinimumHeight(2 * info->fontMetrics().height() + 6);
  info->setMinimumWidth(1);  // a long file name is cut, it does not widen the window
  new LabelView(form.LabelInfo, info, false, Placement::Layout);
  mainLayout->addWidget(info);

  auto* baseBox = new QScrollArea(panelMain);
  baseBox->setObjectName("ScrollBox1");
  // The base image takes the height the option pages leave, down to a strip.
  baseBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
  baseBox->setMinimumHeight(kLeastBaseImageHeight);
  (new ControlView(form.ScrollBox1, baseBox, Placement::Layout))->Mirror();
  auto* base = new ImageWidget(form.ImageBase);
  base->setObjectName("ImageBase");
  base->setCursor(Qt::CrossCursor);
  baseBox->setWidget(base);
  new ImageView(form.ImageBase, base, Placement::Layout);
  ConnectBaseImage(baseBox, base);
  mainLayout->addWidget(baseBox, 1);
  pagesArea_ = new PagesScrollArea(BuildControlPanel(panelMain), panelMain);
  pagesArea_->setObjectName("PanelCtlArea");
  mainLayout->addWidget(pagesArea_);

  auto* panelRight = new QWidget(splitter);
  panelRight->setObjectName("PanelRight");
  (new ControlView(form.PanelRight, panelRight, Placement::Layout))->Mirror();
  auto* rightLayout = new QVBoxLayout(panelRight);
  rightLayout->setContentsMargins(0, 0, 0, 0);
  outputPanel_ = new ImageBoxView(form.ScrollBox2, panelRight);
  outputPanel_->setObjectName("ScrollBox2");
  outputPanel_->OnHint = [this](const std::string& hint) { form.ApplicationHint(hint); };
  outputPanel_->OnImageContextMenu = [this](TImage& image, const QPoint& at) { popups_->PopupOnPreview(image, at); };
  // A preview is read as its button's caption and the file it is saved as.
  outputPanel_->ItemName = [this](const TImage& image, int index) {
    return image.Hint() + ", " + OutputImageFileName(form, image.Hint(), index);
  };
  rightLayout->addWidget(outputPanel_);

  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 0);
  splitter->setStretchFactor(2, 2);
  splitter_ = splitter;
}

void MainWindow::ShareSplitterWidth() {
  // The option pages whole where the window leaves room for them; the captions
  // and the output panel share the rest as 170 to 300.
  const QList<int> sizes = splitter_->sizes();
  int total = 0;
  for (int size : sizes) total += size;
  const int leastSides =
      splitter_->widget(0)->minimumSizeHint().width() + splitter_->widget(2)->minimumSizeHint().width();
  const int leastMain = splitter_->widget(1)->minimumSizeHint().width();
  const int main = std::max(leastMain, std::min(total - leastSides, pagesArea_->WholeWidth() + 4));
  const int memo = (total - main) * 170 / 470;
  splitter_->setSizes({memo, main, total - main - memo});
}

QWidget* MainWindow::BuildControlPanel(QWidget* parent) {
  auto* panel = new QWidget(parent);
  panel->setObjectName("PanelCtl");
  panel->setMinimumWidth(kPanelMainWidth);
  new ControlPanelView(form, panel);
  std::unordered_map<std::string, QWidget*> containers{{"PanelCtl", panel}};
  BuildControlWidgets(form, containers);
  AddButtonGlyphs(panel);
  return panel;
}

void MainWindow::ConnectSamples() {
  if (auto* gradient = findChild<RendererWidget*>("GradientImage1")) {
    gradient->OnDoubleClick = [this] { ShowPreviewWindow(PreviewKind::Gradient, form, this); };
  }
  if (auto* effect = findChild<RendererWidget*>("Buttonizer1")) {
    effect->OnDoubleClick = [this] { ShowPreviewWindow(PreviewKind::Effect, form, this); };
  }
  if (auto* shadow = findChild<QWidget*>("GBShadow")) new ZOrderView(form.GBShadowZOrder, shadow);
  if (auto* gradient = findChild<QWidget*>("GBGradient")) {
    new FlowRow(gradient, {"cbGradient", "cbHorizon", "cbTwo", "cbRadial"}, 1);
  }
  if (auto* palette = findChild<ImageBoxView*>("SB1")) {
    palette->OnImageClick = [this](TImage& image) { form.BulletImageClick(image); };
    palette->OnHint = [this](const std::string& hint) { form.ApplicationHint(hint); };
    // An icon is read as its file's name; the one in use is the selected one.
    palette->ItemName = [this](const TImage& image, int) {
      const auto entry = static_cast<std::size_t>(image.Tag());
      const std::string path = entry < form.BulletList.size() ? form.BulletList[entry] : image.Hint();
      return path.substr(path.find_last_of('/') + 1);
    };
    palette->IsChosen = [this](const TImage& image) { return image.Tag() == form.BulletIndex; };
  }
  for (const char* name : {"EditPrefix", "EditPostfix"}) {
    if (auto* line = findChild<QLineEdit*>(name)) {
      if (EditView* view = ViewOf<EditView>(line)) view->SetKeyFilter(&TForm1::EditPrefixKeyPress);
    }
  }
  if (auto* folder = findChild<QLineEdit*>("DirectoryEdit1")) {
    auto* browse = new EditButton(folder, style()->standardIcon(QStyle::SP_DirOpenIcon));
    browse->setObjectName("DirectoryEdit1Browse");
    connect(browse, &QToolButton::clicked, this, [this] {
      if (!dialogs.ChooseFolder) return;
      if (const auto chosen = dialogs.ChooseFolder(form.DirectoryEdit1BeforeDialog())) {
        form.DirectoryEdit1.SetText(*chosen);
      }
    });
  }
}

void MainWindow::ConnectBaseImage(QWidget* scrollBox, ImageWidget* image) {
  auto* area = static_cast<QScrollArea*>(scrollBox);
  image->OnDoubleClick = [this] { Openbaseimage1Click(form); };
  new DoubleClickFilter(area->viewport(), [this] { Openbaseimage1Click(form); });
  image->OnMouseDown = [this](int x, int y) { form.ImageBaseMouseDown(x, y); };
  popups_->AttachImageMenu(image);
  popups_->AttachImageMenu(area->viewport());
  // The box takes the keyboard focus, with a mark: its menu keys open the menu.
  popups_->AttachImageMenu(area);
  new FocusFrame(area);
}

void MainWindow::ConnectDialogCommands() {
  const auto open = [](const std::function<void()>& dialog) {
    if (dialog) dialog();
  };
  for (TButton* command : {&form.Presets1, &form.TBPres, &form.BitBtnPreset}) {
    command->SetOnClick([this, open] { open(OpenPresetsDialog); });
  }
  for (TButton* command : {&form.Processimage1, &form.TBProcess}) {
    command->SetOnClick([this, open] {
      open(OpenProcessDialog);
      form.UpdateImageInfo();
    });
  }
  form.About1.SetOnClick([this, open] { open(OpenAboutBox); });
}

void MainWindow::RestorePlacement() {
  std::optional<TWindowPlacement> stored;
  if (form.FormStorage1.PlacementRestored) stored = form.FormStorage1.Placement;
  setGeometry(FitOnAScreen(stored, QSize(kDefaultWindowWidth, kDefaultWindowHeight)));
  maximized_ = stored && stored->showCmd == TWindowPlacement::Maximized;
}

void MainWindow::FollowLanguage() {
  QToolTip::hideText();  // a tool tip open now is in the old language
  NameFieldsByTheirCaptions(this);
  if (auto* bar = findChild<QToolBar*>("ToolBar1")) NameToolBarExtension(bar);
  ShowHintUnderMouse();  // the mouse has not moved
}

void MainWindow::ShowHintUnderMouse() {
  QWidget* under = QApplication::widgetAt(QCursor::pos());
  if (under != nullptr && under->window() == this) form.ApplicationHint(HintAt(under));
}

void MainWindow::FitOnScreenAtFirstShow() {
  // The size the window takes at its show (at least its least size) on the
  // screen, with its frame where the platform knows it by now.
  QWindow* handle = windowHandle();
  if (handle == nullptr || isMaximized()) return;
  const bool frameLater = FrameWatch::Available();
  setGeometry(FitWithFrame(geometry(), frameLater ? QMargins() : FrameOf(*handle)));
  if (!frameLater) return;
  // An X11 window manager tells the frame after the show; until the window
  // has heard where the manager put it, its geometry may be one on the way
  // there, so the rectangle fitted now is fitted again with the frame.
  const QRect shown = geometry();
  frameWatch_ = new FrameWatch(handle, [this, handle, shown](const QMargins& frame) {
    if (isMaximized()) return;
    const QRect fitted = FitWithFrame(shown, FrameInWindowPixels(frame, handle->devicePixelRatio()));
    if (fitted != shown) handle->setGeometry(fitted);
  });
}

void MainWindow::StorePlacement() {
  const QRect normal = isMaximized() || isMinimized() ? normalGeometry() : geometry();
  TWindowPlacement& p = form.FormStorage1.Placement;
  p.left = normal.left();
  p.top = normal.top();
  p.right = normal.left() + normal.width();
  p.bottom = normal.top() + normal.height();
  p.showCmd = isMaximized() ? TWindowPlacement::Maximized : TWindowPlacement::Normal;
}

void MainWindow::ShowAsStored() {
  if (maximized_) {
    showMaximized();
  } else {
    show();
  }
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  FitOnScreenAtFirstShow();
  ShareSplitterWidth();
  form.FormShow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  StorePlacement();
  if (form.FormClose(TCloseAction::caFree) == TCloseAction::caNone) {
    event->ignore();
    return;
  }
  timer1_->stop();
  event->accept();
}

bool MainWindow::focusNextPrevChild(bool next) { return MoveTabFocus(TabStops(this, form), focusWidget(), next); }

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) ShowHintUnderMouse();
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace kestrova::qt
