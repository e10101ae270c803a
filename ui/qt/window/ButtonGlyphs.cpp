#include "ui/qt/window/ButtonGlyphs.h"

#include <QAbstractButton>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <functional>

namespace kestrova::qt {

namespace {

constexpr int kGlyph = 16;

QIcon Drawn(const std::function<void(QPainter&)>& draw) {
  QPixmap pixmap(kGlyph, kGlyph);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  draw(p);
  return QIcon(pixmap);
}

// Four text lines aligned left (0), centred (1) or right (2).
QIcon HorizontalAlignment(int align) {
  return Drawn([align](QPainter& p) {
    const int widths[] = {14, 8, 12, 6};
    for (int i = 0; i < 4; ++i) {
      const int w = widths[i];
      const int x = align == 0 ? 1 : align == 1 ? (kGlyph - w) / 2 : kGlyph - 1 - w;
      p.fillRect(x, 2 + i * 4, w, 2, Qt::black);
    }
  });
}

// A box with a text bar at its top (0), middle (1) or bottom (2).
QIcon VerticalAlignment(int align) {
  return Drawn([align](QPainter& p) {
    p.setPen(QColor(128, 128, 128));
    p.drawRect(1, 1, kGlyph - 3, kGlyph - 3);
    const int y = align == 0 ? 3 : align == 1 ? 7 : 11;
    p.fillRect(4, y, kGlyph - 8, 2, Qt::black);
  });
}

QIcon Letter(const char* letter, void (*style)(QFont&)) {
  return Drawn([letter, style](QPainter& p) {
    QFont font("Liberation Serif");
    font.setPixelSize(14);
    style(font);
    p.setFont(font);
    p.drawText(QRect(0, 0, kGlyph, kGlyph), Qt::AlignCenter, letter);
  });
}

// Cross hairs with a corner mark: top left (the start point) or bottom right (the end point).
QIcon CutPoint(bool end) {
  return Drawn([end](QPainter& p) {
    p.setPen(Qt::black);
    p.drawLine(8, 1, 8, 14);
    p.drawLine(1, 8, 14, 8);
    p.setPen(QPen(Qt::red, 2));
    if (end) {
      p.drawLine(14, 10, 14, 14);
      p.drawLine(10, 14, 14, 14);
    } else {
      p.drawLine(2, 2, 2, 6);
      p.drawLine(2, 2, 6, 2);
    }
  });
}

QIcon RandomColours() {
  return Drawn([](QPainter& p) {
    p.fillRect(1, 1, 7, 7, QColor(220, 40, 40));
    p.fillRect(8, 4, 7, 7, QColor(40, 160, 40));
    p.fillRect(3, 8, 7, 7, QColor(40, 80, 220));
  });
}

void SetGlyph(QWidget* panel, const char* name, const QIcon& icon) {
  if (auto* button = panel->findChild<QAbstractButton*>(name)) {
    button->setIcon(icon);
    button->setIconSize(QSize(kGlyph, kGlyph));
  }
}

}  // namespace

void AddButtonGlyphs(QWidget* panel) {
  SetGlyph(panel, "SpeedBtnLeft", HorizontalAlignment(0));
  SetGlyph(panel, "SpeedBtnCen", HorizontalAlignment(1));
  SetGlyph(panel, "SpeedBtnRight", HorizontalAlignment(2));
  SetGlyph(panel, "SpeedBtnUp", VerticalAlignment(0));
  SetGlyph(panel, "SpeedBtnMid", VerticalAlignment(1));
  SetGlyph(panel, "SpeedBtnBottom", VerticalAlignment(2));
  SetGlyph(panel, "SpeedBtnB", Letter("B", [](QFont& f) { f.setBold(true); }));
  SetGlyph(panel, "SpeedBtnI", Letter("I", [](QFont& f) { f.setItalic(true); }));
  SetGlyph(panel, "SpeedBtnU", Letter("U", [](QFont& f) { f.setUnderline(true); }));
  SetGlyph(panel, "BitBtnRnd", RandomColours());
  SetGlyph(panel, "BitBtnX0Y0", CutPoint(false));
  SetGlyph(panel, "BitBtnXEYE", CutPoint(true));
  const QStyle* style = panel->style();
  SetGlyph(panel, "BitBtnNoIco", style->standardIcon(QStyle::SP_BrowserReload));
  SetGlyph(panel, "BitBtnClrIcn", style->standardIcon(QStyle::SP_DialogDiscardButton));
  SetGlyph(panel, "BitBtn1", style->standardIcon(QStyle::SP_FileDialogNewFolder));
  SetGlyph(panel, "BitBtn2", style->standardIcon(QStyle::SP_TrashIcon));
}

}  // namespace kestrova::qt
