#include "ui/qt/dialogs/PresetGrid.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QToolTip>
#include <algorithm>

#include "ui/qt/widgets/AccessibleFactory.h"
#include "ui/qt/widgets/FocusFrame.h"
#include "ui/qt/widgets/PlainTexts.h"
#include "ui/qt/widgets/QtText.h"
#include "ui/qt/widgets/SpokenText.h"

namespace kestrova::qt {

namespace {

// How long one turn of drawing previews may keep the window from events.
constexpr qint64 kComposeSliceMs = 8;
// Previews kept beyond those in view, in viewport heights above and below it.
constexpr int kKeptPages = 2;

}  // namespace

PresetGrid::PresetGrid(TBtnPresetsForm& model, QWidget* parent) : ContentScrollArea(parent), model_(model) {
  InstallAccessibleFactory();
  setObjectName("SB1");
  setFrameShape(QFrame::NoFrame);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setMouseTracking(true);
  composer_.setInterval(0);
  composer_.setSingleShot(true);
  connect(&composer_, &QTimer::timeout, this, [this] { ComposeSome(); });
  Sync();
}

void PresetGrid::Sync() {
  if (version_ == model_.GridVersion()) {
    viewport()->update();
    return;
  }
  version_ = model_.GridVersion();
  if (file_ != model_.GridFile()) verticalScrollBar()->setValue(0);
  file_ = model_.GridFile();
  square_ = model_.Square();
  previews_.clear();
  queue_.clear();
  QSize content;
  for (const TPresetCell& cell : model_.Cells()) {
    content = content.expandedTo(QSize(cell.bounds.left + cell.bounds.width, cell.bounds.top + cell.bounds.height));
  }
  SetContentSize(content);
}

QRect PresetGrid::CellRect(int cell) const {
  const TBounds& b = model_.Cells().at(static_cast<std::size_t>(cell)).bounds;
  return QRect(b.left, b.top, b.width, b.height).translated(-Offset());
}

int PresetGrid::CellAt(const QPoint& viewportPoint) const {
  for (int i = 0; i < static_cast<int>(model_.Cells().size()); ++i) {
    if (CellRect(i).contains(viewportPoint)) return i;
  }
  return -1;
}

QImage PresetGrid::Preview(int cell) const {
  const auto found = previews_.find(cell);
  return found == previews_.end() ? QImage() : found->second;
}

int PresetGrid::MissingPreviews() const {
  int missing = 0;
  for (int i = 0; i < static_cast<int>(model_.Cells().size()); ++i) {
    if (CellRect(i).intersects(viewport()->rect()) && previews_.count(i) == 0) ++missing;
  }
  return missing;
}

int PresetGrid::SelectedCell() const {
  const std::string& selected = model_.SelectedPreset();
  if (selected.empty()) return -1;
  const auto& cells = model_.Cells();
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (cells[i].section == selected) return static_cast<int>(i);
  }
  return -1;
}

int PresetGrid::FocusCell() const {
  const int selected = SelectedCell();
  if (selected >= 0) return selected;
  const QRect view = viewport()->rect();
  for (int i = 0; i < CellCount(); ++i) {
    if (CellRect(i).intersects(view)) return i;
  }
  return -1;
}

void PresetGrid::Queue(int cell) {
  if (std::find(queue_.begin(), queue_.end(), cell) == queue_.end()) queue_.push_back(cell);
  if (!composer_.isActive()) composer_.start();
}

void PresetGrid::ComposeOne(int cell) {
  QImage picture;
  try {
    const TPresetCell& c = model_.Cells().at(static_cast<std::size_t>(cell));
    picture = ToQImage(model_.Preview(file_, c.section, square_));
    // The button face shows through the glyph's bottom-left pixel, as on a bitmap button.
    picture.setPixelColor(0, picture.height() - 1, palette().color(QPalette::Button));
  } catch (const BitmapError&) {
    // A preset that cannot be drawn keeps an empty button.
  }
  previews_[cell] = picture;
}

void PresetGrid::ComposeSome() {
  QElapsedTimer clock;
  clock.start();
  const QRect view = viewport()->rect();
  while (!queue_.empty() && clock.elapsed() < kComposeSliceMs) {
    const int cell = queue_.front();
    queue_.pop_front();
    if (cell >= static_cast<int>(model_.Cells().size()) || !CellRect(cell).intersects(view)) continue;
    ComposeOne(cell);
    viewport()->update(CellRect(cell));
  }
  if (!queue_.empty()) composer_.start();
}

void PresetGrid::ComposePending() {
  while (!queue_.empty()) {
    const int cell = queue_.front();
    queue_.pop_front();
    if (cell < static_cast<int>(model_.Cells().size())) ComposeOne(cell);
  }
  viewport()->update();
}

void PresetGrid::paintEvent(QPaintEvent* event) {
  QPainter p(viewport());
  const QRect view = viewport()->rect();
  const int selected = SelectedCell();
  const int cells = static_cast<int>(model_.Cells().size());
  for (int i = 0; i < cells; ++i) {
    const QRect bounds = CellRect(i);
    if (!bounds.intersects(event->rect())) continue;
    QStyleOptionButton option;
    option.initFrom(viewport());
    option.rect = bounds;
    option.state |= QStyle::State_Raised;
    if (i == selected || i == pressed_) option.state |= QStyle::State_Sunken | QStyle::State_On;
    if (i == selected && hasFocus()) option.state |= QStyle::State_HasFocus;
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &p, viewport());
    const auto found = previews_.find(i);
    if (found == previews_.end()) {
      Queue(i);
      continue;
    }
    if (found->second.isNull()) continue;
    const QImage& picture = found->second;
    const QPoint shift = (i == selected || i == pressed_) ? QPoint(1, 1) : QPoint(0, 0);
    p.drawImage(bounds.center() - QPoint(picture.width() / 2, picture.height() / 2) + QPoint(1, 1) + shift, picture);
  }
  // The selected button carries a frame in the highlight colour; with none
  // selected, the focus goes to the first button in view, or the whole grid.
  if (selected >= 0 && CellRect(selected).intersects(event->rect())) {
    p.setPen(QPen(palette().color(QPalette::Highlight), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(CellRect(selected).adjusted(1, 1, -1, -1));
  } else if (selected < 0 && hasFocus()) {
    const int focus = FocusCell();
    DrawFocusMark(p, focus >= 0 ? CellRect(focus) : view, palette());
  }
  // Forget previews far from the view, so a long set keeps little in memory.
  const QRect kept = view.adjusted(0, -kKeptPages * view.height(), 0, kKeptPages * view.height());
  std::erase_if(previews_, [&](const auto& entry) { return !CellRect(entry.first).intersects(kept); });
}

bool PresetGrid::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    const int cell = CellAt(help->pos());
    if (cell < 0) {
      QToolTip::hideText();
    } else {
      QToolTip::showText(help->globalPos(), PlainToolTip(ToQt(model_.Cells()[static_cast<std::size_t>(cell)].section)),
                         viewport(), CellRect(cell));
    }
    return true;
  }
  return ContentScrollArea::viewportEvent(event);
}

void PresetGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return ContentScrollArea::mousePressEvent(event);
  setFocus(Qt::MouseFocusReason);
  pressed_ = CellAt(event->position().toPoint());
  viewport()->update();
}

void PresetGrid::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return ContentScrollArea::mouseReleaseEvent(event);
  const int pressed = pressed_;
  pressed_ = -1;
  viewport()->update();
  if (pressed >= 0 && pressed == CellAt(event->position().toPoint())) {
    // The model may close the dialog: nothing of this widget is used afterwards.
    model_.PresetButtonClick(model_.Cells()[static_cast<std::size_t>(pressed)].section);
  }
}

void PresetGrid::focusInEvent(QFocusEvent* event) {
  ContentScrollArea::focusInEvent(event);
  viewport()->update();
  NotifyCurrentItem(this, FocusCell());
}

void PresetGrid::focusOutEvent(QFocusEvent* event) {
  ContentScrollArea::focusOutEvent(event);
  viewport()->update();
}

QString PresetGrid::AccessibleItemName(int item) const {
  return SpokenText(ToQt(model_.Cells().at(static_cast<std::size_t>(item)).section));
}

QRect PresetGrid::AccessibleItemRect(int item) const {
  const QRect shown = CellRect(item).intersected(viewport()->rect());
  return shown.isEmpty() ? QRect() : QRect(viewport()->mapToGlobal(shown.topLeft()), shown.size());
}

void PresetGrid::PressAccessibleItem(int item) {
  // The model may close the dialog: nothing of this widget is used afterwards.
  model_.PresetButtonClick(model_.Cells().at(static_cast<std::size_t>(item)).section);
}

void PresetGrid::SelectCell(int cell) {
  const int count = static_cast<int>(model_.Cells().size());
  if (count == 0) return;
  cell = std::clamp(cell, 0, count - 1);
  const std::string section = model_.Cells()[static_cast<std::size_t>(cell)].section;
  if (section != model_.SelectedPreset()) model_.PresetButtonClick(section);
  const QRect bounds = CellRect(cell);
  if (bounds.top() < 0) verticalScrollBar()->setValue(verticalScrollBar()->value() + bounds.top());
  if (bounds.bottom() >= viewport()->height()) {
    verticalScrollBar()->setValue(verticalScrollBar()->value() + bounds.bottom() - viewport()->height() + 1);
  }
  NotifyCurrentItem(this, cell);
}

void PresetGrid::keyPressEvent(QKeyEvent* event) {
  const int selected = SelectedCell();
  const bool arrow = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right || event->key() == Qt::Key_Up ||
                     event->key() == Qt::Key_Down;
  if (selected < 0 && arrow) {
    // The first arrow selects the button that carries the focus mark.
    if (FocusCell() >= 0) SelectCell(FocusCell());
    return;
  }
  switch (event->key()) {
    case Qt::Key_Left: SelectCell(selected - 1); return;
    case Qt::Key_Right: SelectCell(selected + 1); return;
    case Qt::Key_Up: SelectCell(selected - kPresetColumns); return;
    case Qt::Key_Down: SelectCell(selected + kPresetColumns); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (selected >= 0) model_.PresetButtonClick(model_.SelectedPreset());
      return;
    default: ContentScrollArea::keyPressEvent(event);
  }
}

}  // namespace kestrova::qt
