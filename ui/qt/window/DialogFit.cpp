#include "ui/qt/window/DialogFit.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QWindow>

#include "ui/qt/window/DialogScrolling.h"
#include "ui/qt/window/FrameWatch.h"
#include "ui/qt/window/ScreenAreas.h"
#include "ui/qt/window/WindowFit.h"

namespace kestrova::qt {

namespace {

constexpr const char* kCentring = "kestrovaCentring";

// The dialog shown in `watched`, when that is a dialog's window.
QDialog* DialogIn(QObject* watched) {
  auto* window = qobject_cast<QWindow*>(watched);
  if (window == nullptr) return nullptr;
  auto* dialog = qobject_cast<QDialog*>(QWidget::find(window->winId()));
  return dialog != nullptr && dialog->windowHandle() == window ? dialog : nullptr;
}

// The available area of the screen the dialog's parent window is on (the
// dialog's own when it has none).
QRect AreaFor(const QDialog& dialog) {
  const QWidget* parent = dialog.parentWidget();
  return AvailableAreaOf(parent != nullptr ? parent->window()->frameGeometry() : dialog.geometry());
}

void CentreOnScreen(QDialog& dialog) {
  const QRect area = AreaFor(dialog);
  const QMargins frame = KnownFrame(dialog);
  const QSize room = area.size().shrunkBy(frame);
  const QSize least = dialog.minimumSizeHint().expandedTo(dialog.minimumSize());
  if (least.width() > room.width() || least.height() > room.height()) ScrollDialogContent(dialog);
  // (a place set, not one left to the platform: a window manager keeps it)
  const QRect centred = CentreWithFrame(dialog.size(), frame, area);
  dialog.setGeometry(centred);
  // The watch of an earlier show that heard no frame gives way to this one.
  QWindow* handle = dialog.windowHandle();
  delete handle->findChild<QObject*>(kCentring, Qt::FindDirectChildrenOnly);
  if (QObject* watch = CentreWhenFrameTold(dialog, centred, area)) watch->setObjectName(kCentring);
}

}  // namespace

DialogFit::DialogFit(QObject* parent) : QObject(parent) { QCoreApplication::instance()->installEventFilter(this); }

bool DialogFit::eventFilter(QObject* watched, QEvent* event) {
  // The window's show comes once the dialog has taken the size it shows
  // with (a message box takes its own as it shows) and just before the
  // window goes onto the screen.
  if (event->type() != QEvent::Show || event->spontaneous()) return false;
  if (QDialog* dialog = DialogIn(watched)) CentreOnScreen(*dialog);
  return false;
}

}  // namespace kestrova::qt
