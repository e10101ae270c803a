#pragma once
// Measures whether the texts of a window's widgets are shown whole: each
// caption, group title, button text, radio item, tab text and combo-box item
// against the room its widget gives it, the widget inside its parent, clear of
// its group's frame lines, and no sibling lying over the text. Each finding is
// one line naming the widget and the fault.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QWidget>
#include <algorithm>
#include <string>
#include <vector>

namespace kestrova::test {

namespace textfit {

inline std::string Name(const QWidget* w) {
  const std::string own = w->objectName().toStdString();
  if (!own.empty()) return own;
  const QWidget* parent = w->parentWidget();
  return (parent != nullptr ? parent->objectName().toStdString() : std::string()) + "/" + w->metaObject()->className();
}

// The size a text takes, "&" marks left out, line by line.
inline QSize TextSize(const QFontMetrics& metrics, const QString& text) {
  return metrics.size(Qt::TextShowMnemonic, text);
}

// The room a push button needs for its text and icon beside its frame.
inline QSize PushButtonNeeds(const QPushButton& button) {
  QSize size = TextSize(button.fontMetrics(), button.text());
  if (!button.icon().isNull()) size.rwidth() += button.iconSize().width() + 4;
  return size + QSize(10, 4);
}

// Where the widget draws its text, in its parent's coordinates (empty: no text).
inline QRect TextArea(const QWidget* w) {
  const QFontMetrics metrics = w->fontMetrics();
  if (const auto* label = qobject_cast<const QLabel*>(w)) {
    if (label->text().isEmpty()) return {};
    const QRect inside = label->contentsRect();
    QSize size = label->wordWrap() ? metrics.boundingRect(inside, Qt::TextWordWrap, label->text()).size()
                                   : TextSize(metrics, label->text());
    size = size.boundedTo(inside.size());
    return QStyle::alignedRect(label->layoutDirection(), label->alignment(), size, inside).translated(w->pos());
  }
  if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
    if (box->title().isEmpty()) return {};
    const QSize size = TextSize(metrics, box->title());
    return QRect(QPoint(6, 0), QSize(size.width() + 4, size.height())).translated(w->pos());
  }
  if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
    if (button->text().isEmpty()) return {};
    const QSize text = TextSize(metrics, button->text());
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QRect contents;
    if (qobject_cast<const QCheckBox*>(w) != nullptr) {
      contents = w->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, w);
    } else if (qobject_cast<const QRadioButton*>(w) != nullptr) {
      contents = w->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, w);
    }
    if (contents.isValid()) {
      contents = QRect(contents.left(), (w->height() - text.height()) / 2, text.width() + 2, text.height());
    } else {
      const auto* push = qobject_cast<const QPushButton*>(w);
      const int width = push != nullptr ? PushButtonNeeds(*push).width() : text.width();
      contents = QStyle::alignedRect(w->layoutDirection(), Qt::AlignCenter, QSize(width, text.height()), w->rect());
    }
    return contents.translated(w->pos());
  }
  return {};
}

inline void CheckOwnRoom(const QWidget* w, std::vector<std::string>& faults) {
  const auto fault = [&](const std::string& what) { faults.push_back(Name(w) + ": " + what); };
  if (const auto* label = qobject_cast<const QLabel*>(w)) {
    if (label->text().isEmpty()) return;
    const QRect inside = label->contentsRect();
    const QFontMetrics metrics = label->fontMetrics();
    const QSize size =
        label->wordWrap()
            ? metrics.boundingRect(QRect(0, 0, inside.width(), 100000), Qt::TextWordWrap, label->text()).size()
            : TextSize(metrics, label->text());
    if (size.width() > inside.width() || size.height() > inside.height()) {
      fault("text " + std::to_string(size.width()) + "x" + std::to_string(size.height()) + " in " +
            std::to_string(inside.width()) + "x" + std::to_string(inside.height()));
    }
  } else if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
    const int needed = 6 + 4 + TextSize(box->fontMetrics(), box->title()).width() + 2;
    if (!box->title().isEmpty() && needed > box->width()) {
      fault("title needs " + std::to_string(needed) + ", box " + std::to_string(box->width()));
    }
  } else if (qobject_cast<const QCheckBox*>(w) != nullptr || qobject_cast<const QRadioButton*>(w) != nullptr) {
    if (w->width() < w->sizeHint().width()) {
      fault("needs " + std::to_string(w->sizeHint().width()) + ", has " + std::to_string(w->width()));
    }
  } else if (const auto* push = qobject_cast<const QPushButton*>(w)) {
    const QSize needed = PushButtonNeeds(*push);
    if (!push->text().isEmpty() && (needed.width() > push->width() || needed.height() > push->height())) {
      fault("needs " + std::to_string(needed.width()) + "x" + std::to_string(needed.height()) + ", has " +
            std::to_string(push->width()) + "x" + std::to_string(push->height()));
    }
  } else if (const auto* tool = qobject_cast<const QToolButton*>(w)) {
    if (!tool->text().isEmpty() && tool->icon().isNull() && w->width() < w->sizeHint().width()) {
      fault("needs " + std::to_string(w->sizeHint().width()) + ", has " + std::to_string(w->width()));
    }
  } else if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QRect field =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    for (int i = 0; i < combo->count(); ++i) {
      const int width = combo->fontMetrics().horizontalAdvance(combo->itemText(i));
      if (width > field.width())
        fault("item \"" + combo->itemText(i).toStdString() + "\" " + std::to_string(width) + " in " +
              std::to_string(field.width()));
    }
  } else if (const auto* tabs = qobject_cast<const QTabWidget*>(w)) {
    const QTabBar* bar = tabs->tabBar();
    for (int i = 0; i < bar->count(); ++i) {
      const int width = TextSize(bar->fontMetrics(), bar->tabText(i)).width();
      const QRect tab = bar->tabRect(i);
      if (width + 8 > tab.width() || tab.right() >= tabs->width()) {
        fault("tab \"" + bar->tabText(i).toStdString() + "\" " + std::to_string(width) + " in " +
              std::to_string(tab.width()) + " ending at " + std::to_string(tab.right()));
      }
    }
  }
}

inline std::string Describe(const QRect& r) {
  return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
         std::to_string(r.height());
}

// The rectangle a group box draws its frame lines on, as its style lays it out.
inline QRect FrameOf(const QGroupBox& box) {
  QStyleOptionGroupBox option;
  option.initFrom(&box);
  option.text = box.title();
  option.lineWidth = 1;
  option.textAlignment = box.alignment();
  option.subControls = QStyle::SC_GroupBoxFrame | (box.title().isEmpty() ? QStyle::SC_None : QStyle::SC_GroupBoxLabel);
  return box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, &box);
}

// A text inside a group box keeps a little room from the frame's lines; the
// group's own title, which stands on the top line, leaves as much of the line
// on its right as on its left.
inline void CheckFrame(const QWidget* w, const QRect& text, std::vector<std::string>& faults) {
  constexpr int kRoom = 3;
  constexpr int kTitleLeft = 6;
  if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
    const QRect frame = FrameOf(*box).translated(box->pos());
    if (text.right() > frame.right() - kTitleLeft) {
      faults.push_back(Name(w) + ": title " + Describe(text) + " into the corner of its frame " + Describe(frame));
    }
  }
  const auto* group = qobject_cast<const QGroupBox*>(w->parentWidget());
  if (group == nullptr) return;
  const QRect frame = FrameOf(*group);
  const QRect inside = frame.adjusted(1 + kRoom, 1 + kRoom, -1 - kRoom, -1 - kRoom);
  if (text.intersects(frame) && !inside.contains(text)) {
    faults.push_back(Name(w) + ": text " + Describe(text) + " on the frame " + Describe(frame) + " of " + Name(group));
  }
}

// A text-bearing widget inside its parent, clear of its group's frame lines,
// with no later sibling over its text (later siblings are drawn on top).
inline void CheckPlace(const QWidget* w, std::vector<std::string>& faults) {
  const QRect text = TextArea(w);
  if (text.isEmpty()) return;
  const QWidget* parent = w->parentWidget();
  if (!parent->rect().contains(text)) {
    faults.push_back(Name(w) + ": text at " + Describe(text) + " outside " + Name(parent) + " " +
                     std::to_string(parent->width()) + "x" + std::to_string(parent->height()));
  }
  CheckFrame(w, text, faults);
  const QObjectList& siblings = parent->children();
  const qsizetype own = siblings.indexOf(const_cast<QWidget*>(w));
  for (qsizetype i = own + 1; i < siblings.size(); ++i) {
    const auto* other = qobject_cast<const QWidget*>(siblings[i]);
    if (other == nullptr || other->isWindow() || !other->isVisibleTo(parent)) continue;
    const QRect overlap = text.intersected(other->geometry());
    if (overlap.width() > 1 && overlap.height() > 1) {
      faults.push_back(Name(w) + ": text under " + Name(other) + " (" + std::to_string(overlap.width()) + "x" +
                       std::to_string(overlap.height()) + ")");
    }
  }
}

}  // namespace textfit

// The findings for `page` and every widget shown on it, leaving out the
// widgets named in `samples` (texts shown in a chosen font).
inline std::vector<std::string> TextsCutOff(const QWidget* page, const std::vector<std::string>& samples = {}) {
  std::vector<std::string> faults;
  textfit::CheckOwnRoom(page, faults);
  for (const QWidget* w : page->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(page) || w->isWindow()) continue;
    if (std::find(samples.begin(), samples.end(), w->objectName().toStdString()) != samples.end()) continue;
    textfit::CheckOwnRoom(w, faults);
    textfit::CheckPlace(w, faults);
  }
  return faults;
}

}  // namespace kestrova::test
