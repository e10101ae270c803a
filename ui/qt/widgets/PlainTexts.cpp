#include "ui/qt/widgets/PlainTexts.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QMessageBox>
#include <QTextDocument>
#include <QToolTip>

namespace kestrova::qt {

namespace {

// Shows the tooltip Qt would show for the widget (its own, or that of the item
// of a list or tree under the pointer) as written. False when it has none of
// these, so that the widget goes on with the event itself.
bool ShowPlainToolTip(QWidget* widget, const QHelpEvent& help) {
  QString text = widget->toolTip();
  QRect area;
  if (text.isEmpty()) {
    auto* view = qobject_cast<QAbstractItemView*>(widget->parentWidget());
    if (view == nullptr || view->viewport() != widget) return false;
    const QModelIndex item = view->indexAt(help.pos());
    text = item.data(Qt::ToolTipRole).toString();
    if (text.isEmpty()) return false;
    area = view->visualRect(item);
  }
  QToolTip::showText(help.globalPos(), PlainToolTip(text), widget, area, widget->toolTipDuration());
  return true;
}

}  // namespace

QString PlainToolTip(const QString& text) {
  if (!Qt::mightBeRichText(text)) return text;
  QString escaped = text.toHtmlEscaped();
  escaped.replace(QLatin1Char('\n'), QLatin1String("<br>"));
  return QLatin1String("<p style=\"white-space:pre\">") + escaped + QLatin1String("</p>");
}

bool PlainTextGuard::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Polish:
      // Before the box is first laid out, which is when a rich text would load its pictures.
      if (auto* box = qobject_cast<QMessageBox*>(watched)) box->setTextFormat(Qt::PlainText);
      return false;
    case QEvent::ToolTip:
      return watched->isWidgetType() &&
             ShowPlainToolTip(static_cast<QWidget*>(watched), *static_cast<QHelpEvent*>(event));
    default: return false;
  }
}

}  // namespace kestrova::qt
