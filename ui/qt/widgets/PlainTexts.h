#pragma once
// Texts from a project, a caption, a file or folder name or a preset are shown
// as written everywhere in the window. Qt reads a text that looks like markup
// as rich text (a tag, or "&lt;", before the first line break) and loads every
// picture an <img> in it names, on the window's thread: a FIFO named there
// freezes the window, /dev/zero fills the memory. Labels are made plain text
// where they are made; message boxes and tooltips, which have no such setting
// that reaches every one of them, are seen to here.

#include <QObject>
#include <QString>

class QEvent;

namespace kestrova::qt {

// What a tooltip is given so that it shows `text` as written: the text itself
// when Qt shows it as plain text anyway, else the text escaped, in a
// paragraph that keeps its spaces and line breaks.
QString PlainToolTip(const QString& text);

// Installed on the application, it sees to every window of it: a message box
// (Qt's own too, such as the file dialog's questions) shows its text as plain
// text, and a widget's tooltip, or an item's of a list or tree, shows as
// written.
class PlainTextGuard : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace kestrova::qt
