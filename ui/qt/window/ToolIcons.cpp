#include "ui/qt/window/ToolIcons.h"

#include <QPainter>
#include <cmath>
#include <QPainterPath>
#include <QPixmap>

namespace kestrova::qt {

namespace {

// Every picture is drawn on a grid of 24 x 24 units.
constexpr int kUnits = 24;
const QColor kOutline(60, 60, 60);

void Picture(QPainter& p, const QRectF& r) {
  p.setPen(QPen(kOutline, 1));
  p.setBrush(QColor(190, 222, 250));
  p.drawRect(r);
  // A sun and two hills.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 200, 40));
  p.drawEllipse(QPointF(r.right() - r.width() * 0.28, r.top() + r.height() * 0.3), r.width() * 0.11, r.width() * 0.11);
  p.setBrush(QColor(70, 150, 60));
  QPainterPath hills;
  hills.moveTo(r.left() + 0.5, r.bottom());
  hills.lineTo(r.left() + r.width() * 0.35, r.top() + r.height() * 0.42);
  hills.lineTo(r.left() + r.width() * 0.6, r.top() + r.height() * 0.75);
  hills.lineTo(r.left() + r.width() * 0.75, r.top() + r.height() * 0.58);
  hills.lineTo(r.right(), r.bottom());
  hills.closeSubpath();
  p.drawPath(hills);
}

void Page(QPainter& p, const QRectF& r) {
  p.setPen(QPen(kOutline, 1));
  p.setBrush(Qt::white);
  p.drawRect(r);
  p.setPen(QPen(QColor(90, 90, 90), 1.2));
  const double step = r.height() / 5;
  for (int i = 1; i < 5; ++i) {
    const double y = r.top() + i * step;
    const double right = i == 4 ? r.left() + r.width() * 0.55 : r.right() - 2;
    p.drawLine(QPointF(r.left() + 2, y), QPointF(right, y));
  }
}

void Button(QPainter& p, const QRectF& r, const QColor& face) {
  p.setPen(QPen(kOutline, 1));
  p.setBrush(face);
  p.drawRoundedRect(r, 2, 2);
  p.setPen(QPen(face.lighter(150), 1));
  p.drawLine(QPointF(r.left() + 2, r.top() + 1.5), QPointF(r.right() - 2, r.top() + 1.5));
}

// A small open folder at the bottom right.
void FolderBadge(QPainter& p) {
  p.setPen(QPen(QColor(130, 95, 20), 1));
  p.setBrush(QColor(240, 190, 70));
  p.drawRect(QRectF(12.5, 15.5, 10, 7));
  p.setBrush(QColor(250, 215, 110));
  QPainterPath flap;
  flap.moveTo(12.5, 22.5);
  flap.lineTo(15, 18);
  flap.lineTo(23.5, 18);
  flap.lineTo(22.5, 22.5);
  flap.closeSubpath();
  p.drawPath(flap);
}

// A small disk at the bottom right.
void DiskBadge(QPainter& p) {
  p.setPen(QPen(QColor(20, 40, 90), 1));
  p.setBrush(QColor(50, 90, 180));
  p.drawRect(QRectF(13.5, 13.5, 10, 10));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(15.5, 14.5, 6, 3.5));
  p.setBrush(QColor(200, 200, 200));
  p.drawRect(QRectF(16, 19.5, 5, 3.5));
}

// A small star at the bottom right.
void StarBadge(QPainter& p) {
  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    const double radius = i % 2 == 0 ? 5.5 : 2.3;
    const double angle = -M_PI / 2 + i * M_PI / 5;
    const QPointF point(18 + radius * std::cos(angle), 18 + radius * std::sin(angle));
    if (i == 0) {
      star.moveTo(point);
    } else {
      star.lineTo(point);
    }
  }
  star.closeSubpath();
  p.setPen(QPen(QColor(150, 100, 0), 1));
  p.setBrush(QColor(255, 210, 40));
  p.drawPath(star);
}

void Letter(QPainter& p, const QRectF& box, const QString& letter, const QColor& colour) {
  QFont f("serif");
  f.setPixelSize(static_cast<int>(box.height()));
  f.setBold(true);
  p.setFont(f);
  p.setPen(colour);
  p.drawText(box, Qt::AlignCenter, letter);
}

void Paint(QPainter& p, ToolIcon icon) {
  switch (icon) {
    case ToolIcon::NewPicture:
      Picture(p, QRectF(1.5, 2.5, 17, 14));
      StarBadge(p);
      break;
    case ToolIcon::OpenPicture:
      Picture(p, QRectF(1.5, 2.5, 17, 14));
      FolderBadge(p);
      break;
    case ToolIcon::SavePicture:
      Picture(p, QRectF(1.5, 2.5, 17, 14));
      DiskBadge(p);
      break;
    case ToolIcon::OpenText:
      Page(p, QRectF(2.5, 1.5, 14, 18));
      FolderBadge(p);
      break;
    case ToolIcon::SaveText:
      Page(p, QRectF(2.5, 1.5, 14, 18));
      DiskBadge(p);
      break;
    case ToolIcon::SaveButtons:
      Button(p, QRectF(1.5, 2.5, 16, 5), QColor(120, 170, 230));
      Button(p, QRectF(1.5, 8.5, 16, 5), QColor(120, 170, 230));
      Button(p, QRectF(1.5, 14.5, 11, 5), QColor(120, 170, 230));
      DiskBadge(p);
      break;
    case ToolIcon::Presets:
      Button(p, QRectF(1.5, 3.5, 10, 8), QColor(220, 80, 70));
      Button(p, QRectF(12.5, 3.5, 10, 8), QColor(80, 170, 90));
      Button(p, QRectF(1.5, 13.5, 10, 8), QColor(80, 120, 210));
      Button(p, QRectF(12.5, 13.5, 10, 8), QColor(230, 190, 60));
      break;
    case ToolIcon::ProcessImage: {
      Picture(p, QRectF(1.5, 1.5, 14, 12));
      p.setPen(QPen(QColor(30, 30, 30), 1.6));
      p.drawLine(QPointF(12, 12), QPointF(22, 22));
      QPainterPath heads;
      heads.moveTo(22.5, 22.5);
      heads.lineTo(22.5, 16.5);
      heads.lineTo(16.5, 22.5);
      heads.closeSubpath();
      p.setBrush(QColor(30, 30, 30));
      p.drawPath(heads);
      break;
    }
    case ToolIcon::Font:
      Letter(p, QRectF(0, 1, 15, 20), "A", QColor(30, 30, 30));
      Letter(p, QRectF(12, 8, 11, 14), "a", QColor(30, 30, 30));
      break;
    case ToolIcon::TextColor:
      Letter(p, QRectF(3, 0, 18, 17), "A", QColor(30, 30, 30));
      p.setPen(QPen(kOutline, 1));
      p.setBrush(QColor(220, 40, 40));
      p.drawRect(QRectF(2.5, 18.5, 19, 4));
      break;
  }
}

}  // namespace

QIcon DrawnToolIcon(ToolIcon icon) {
  QIcon result;
  for (const int size : {16, 24, 32, 48}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(static_cast<double>(size) / kUnits, static_cast<double>(size) / kUnits);
    Paint(p, icon);
    p.end();
    result.addPixmap(pixmap);
  }
  return result;
}

}  // namespace kestrova::qt
