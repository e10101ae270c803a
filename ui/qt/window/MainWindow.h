#pragma once
// The main window: the window model (TForm1) shown with Qt widgets. The model
// is made first (its creation routine runs then) and goes last, after every
// widget that mirrors it. The window adds what only a screen has: the
// layout around the controls, the timer that keeps the commands' enabled
// states current, the hint of the control under the mouse in the status bar,
// the window placement (brought onto the screen's free area, title bar and
// frame included once the window manager has told them; option pages
// that do not fit scroll), closing through the exit question, the pop-up menus
// and the clipboard, double clicks, picking the cut rectangle on the base
// image, dropped files, starting the browser for help and web pages, the
// order Tab walks the controls in, the keys into the menu bar, and Qt's own
// words in the interface language.
//
// Every question and every colour, font, folder or file choice goes through
// the Dialogs given at construction (the standard dialogs when none are given).

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <optional>
#include <string_view>

#include "ui/model/form/MainForm.h"
#include "ui/qt/dialogs/Dialogs.h"

class QSplitter;

namespace kestrova::qt {

class FrameWatch;
class ImageBoxView;
class ImageWidget;
class PagesScrollArea;
class PopupMenus;

namespace detail {

// The part of the window that exists before its widgets and after them.
struct FormHolder {
  FormHolder();
  ~FormHolder();
  FormHolder(const FormHolder&) = delete;
  FormHolder& operator=(const FormHolder&) = delete;

  Dialogs dialogs;
  // What the window does after the model applied another interface language.
  std::function<void()> afterLanguageChange;
  TMessageBoxFunction previousMessageBox;
  TForm1 form;
};

}  // namespace detail

class MainWindow : private detail::FormHolder, public QMainWindow {
 public:
  explicit MainWindow(std::optional<Dialogs> dialogs = std::nullopt);
  ~MainWindow() override;

  TForm1& Form() { return form; }
  Dialogs& WindowDialogs() { return dialogs; }
  ImageBoxView* OutputPanel() const { return outputPanel_; }
  QTimer* Timer1() const { return timer1_; }

  PopupMenus* Popups() const { return popups_; }

  // The dialogs of the Presets and Process image commands and the About box,
  // each shown modally (the window's own by default; tests put their own or
  // none, and then the command opens nothing). Process image refreshes the
  // image information afterwards.
  std::function<void()> OpenPresetsDialog;
  std::function<void()> OpenProcessDialog;
  std::function<void()> OpenAboutBox;

  // Shows the window as it was stored (maximised or at its normal place).
  void ShowAsStored();
  // Writes the window's placement into the window store's record.
  void StorePlacement();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Tab and Shift+Tab walk the window's controls in the order of TabOrder.h.
  bool focusNextPrevChild(bool next) override;

 private:
  void BuildCentralArea();
  QWidget* BuildControlPanel(QWidget* parent);
  void ConnectSamples();
  void ConnectBaseImage(QWidget* scrollBox, ImageWidget* image);
  void ConnectDialogCommands();
  void RestorePlacement();
  // The names screen readers give and the status bar's hint in the new language.
  void FollowLanguage();
  // The status bar shows the hint of the control under the mouse.
  void ShowHintUnderMouse();
  // The window with its frame on the screen at its first show, and again once
  // an X11 window manager has told the frame.
  void FitOnScreenAtFirstShow();
  // The option pages' whole width to their panel where the window has room.
  void ShareSplitterWidth();

  ImageBoxView* outputPanel_ = nullptr;
  QSplitter* splitter_ = nullptr;
  PagesScrollArea* pagesArea_ = nullptr;
  PopupMenus* popups_ = nullptr;
  QPointer<FrameWatch> frameWatch_;
  QTimer* timer1_ = nullptr;
  bool shown_ = false;
  bool maximized_ = false;
};

// The size of the first window (no placement stored), made smaller to fit a smaller screen.
inline constexpr int kDefaultWindowWidth = 1060;
inline constexpr int kDefaultWindowHeight = 730;

}  // namespace kestrova::qt
