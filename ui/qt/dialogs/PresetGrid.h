#pragma once
// The presets dialog's grid of preview buttons: a scroll area that draws the
// model's cells as push buttons, the selected one pressed. A preview is drawn
// only once its button comes into view, a few at a time between events, so a
// set of a thousand presets opens at once and the window keeps answering
// while the previews appear. A click on a button (press and release on it)
// goes to the model, as do the arrow keys (move the selection) and Enter or
// Space (a click on the selected button). While the grid has the keyboard
// focus, the selected button carries the focus mark, or, with none selected,
// the first button in view (the one the arrow keys select first), or the
// whole grid when the set has no preset.
//
// To screen readers the grid is a list of its presets (AccessibleItemList),
// each named by its section, as its tool tip shows it; pressing one clicks it.

#include <QImage>
#include <QTimer>
#include <deque>
#include <unordered_map>

#include "ui/model/dialogs/PresetsDialog.h"
#include "ui/qt/widgets/AccessibleItemList.h"
#include "ui/qt/widgets/ContentScrollArea.h"

namespace kestrova::qt {

class PresetGrid : public ContentScrollArea, public AccessibleItemSource {
 public:
  PresetGrid(TBtnPresetsForm& model, QWidget* parent = nullptr);

  // Takes the model's cells anew (after a rebuild or a new selection).
  void Sync();
  int CellCount() const { return static_cast<int>(model_.Cells().size()); }
  // The cell at a point of the viewport; -1 for none.
  int CellAt(const QPoint& viewportPoint) const;
  // A cell's button in viewport coordinates.
  QRect CellRect(int cell) const;
  // Buttons in view whose preview is not drawn yet.
  int MissingPreviews() const;
  // The preview shown on a cell's button; null while it is not drawn yet.
  QImage Preview(int cell) const;
  // Draws every waiting preview now.
  void ComposePending();

  int AccessibleItemCount() const override { return CellCount(); }
  QString AccessibleItemName(int item) const override;
  bool AccessibleItemSelected(int item) const override { return item == SelectedCell(); }
  int AccessibleCurrentItem() const override { return FocusCell(); }
  QRect AccessibleItemRect(int item) const override;
  void PressAccessibleItem(int item) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // Draws waiting previews for a few milliseconds; again later while any wait.
  void ComposeSome();
  void ComposeOne(int cell);
  void Queue(int cell);
  int SelectedCell() const;
  // The selected cell, else the first in view; -1 when there is none.
  int FocusCell() const;
  void SelectCell(int cell);

  TBtnPresetsForm& model_;
  std::string file_;
  bool square_ = false;
  int version_ = -1;
  // Previews of the cells near the view (a null image: the preset cannot be drawn).
  std::unordered_map<int, QImage> previews_;
  std::deque<int> queue_;
  QTimer composer_;
  int pressed_ = -1;
};

}  // namespace kestrova::qt
