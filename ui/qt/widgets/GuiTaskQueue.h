#pragma once
// The executor through which a GIF painter's thread reaches the window: the
// painter posts its tasks, and they run on the GUI thread as a queued call on
// `context` (dropped when the context is gone). Create it with
// std::make_shared, on the GUI thread.

#include <QMetaObject>
#include <QObject>

#include "gif/GIFExecutor.h"

namespace kestrova::qt {

class GuiTaskQueue : public TGIFTaskQueue {
 public:
  explicit GuiTaskQueue(QObject* context) : context_(context) {}

 protected:
  // `runPending` holds the queue weakly: it does nothing once the queue is gone.
  void Wake(TGIFTask runPending) override {
    QMetaObject::invokeMethod(context_, std::move(runPending), Qt::QueuedConnection);
  }

 private:
  QObject* const context_;
};

}  // namespace kestrova::qt
