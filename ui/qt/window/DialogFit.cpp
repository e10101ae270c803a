#include "ui/qt/window/DialogFit.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>

#include "ui/qt/window/DialogScrolling.h"
#include "ui/qt/window/ScreenAreas.h"
#include "ui/qt/window/WindowFit.h"

namespace kestrova::qt {

DialogFit::DialogFit(QObject* parent) : QObject(parent) { QCoreApplication::instance()->installEventFilter(this); }

bool DialogFit::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Show || event->spontaneous()) return false;
  auto* dialog = qobject_cast<QDialog*>(watched);
  if (dialog == nullptr || !dialog->isWindow()) return false;
  // (the dialog has its size and its place over its parent by now, and is not yet on the screen)
  const QMargins frame = KnownFrame(*dialog);
  const QSize room = AvailableAreaOf(dialog->geometry().marginsAdded(frame)).size().shrunkBy(frame);
  const QSize least = dialog->minimumSizeHint().expandedTo(dialog->minimumSize());
  if (least.width() > room.width() || least.height() > room.height()) ScrollDialogContent(*dialog);
  const QRect fitted = FittedWithKnownFrame(*dialog, dialog->geometry());
  if (fitted != dialog->geometry()) dialog->setGeometry(fitted);
  FitWhenFrameTold(*dialog, fitted);
  return false;
}

}  // namespace kestrova::qt
