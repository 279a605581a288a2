#include "ui/main/ToolGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>
#include <cmath>

namespace tarvel {
namespace {

constexpr int kSize = 24;

const QColor kChipBody(40, 40, 48);
const QColor kPin(150, 150, 160);
const QColor kWriteRed(200, 30, 30);
const QColor kReadBlue(20, 90, 200);
const QColor kDataGreen(0, 130, 70);
const QColor kFolder(230, 180, 50);
const QColor kFolderEdge(150, 105, 10);

void DrawChip(QPainter& p, const QRectF& body) {
  p.setPen(Qt::NoPen);
  p.setBrush(kPin);
  const int pins = 3;
  for (int i = 0; i < pins; ++i) {
    const qreal y = body.top() + (i + 0.5) * body.height() / pins - 1;
    p.drawRect(QRectF(body.left() - 2, y, 2, 2));
    p.drawRect(QRectF(body.right(), y, 2, 2));
  }
  p.setBrush(kChipBody);
  p.drawRoundedRect(body, 1.5, 1.5);
  p.setBrush(QColor(110, 110, 120));
  p.drawEllipse(QRectF(body.left() + 1.5, body.top() + 1.5, 2.5, 2.5));
}

void DrawArrow(QPainter& p, QPointF from, QPointF to, const QColor& color) {
  p.setPen(QPen(color, 2.6, Qt::SolidLine, Qt::RoundCap));
  const QPointF direction = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
  const QPointF tip = to;
  const QPointF back = tip - direction * 5.0;
  p.drawLine(from, back);
  const QPointF normal(-direction.y(), direction.x());
  QPainterPath head;
  head.moveTo(tip);
  head.lineTo(back + normal * 4.0);
  head.lineTo(back - normal * 4.0);
  head.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawPath(head);
}

void DrawLabel(QPainter& p, const QRectF& box, const QString& text, const QColor& color, int pixelSize) {
  QFont font = p.font();
  font.setPixelSize(pixelSize);
  font.setBold(true);
  p.setFont(font);
  p.setPen(color);
  p.drawText(box, Qt::AlignCenter, text);
}

void DrawFolder(QPainter& p) {
  QPainterPath folder;
  folder.moveTo(2, 6);
  folder.lineTo(9, 6);
  folder.lineTo(11, 8);
  folder.lineTo(22, 8);
  folder.lineTo(22, 20);
  folder.lineTo(2, 20);
  folder.closeSubpath();
  p.setPen(QPen(kFolderEdge, 1));
  p.setBrush(kFolder);
  p.drawPath(folder);
}

void DrawDisk(QPainter& p) {
  p.setPen(QPen(QColor(20, 40, 90), 1));
  p.setBrush(QColor(60, 90, 170));
  p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
  p.setBrush(QColor(235, 235, 240));
  p.drawRect(QRectF(7, 3.5, 10, 6));
  p.setBrush(QColor(250, 250, 250));
  p.drawRect(QRectF(6, 13, 12, 8));
}

void DrawCycle(QPainter& p, const QRectF& box, const QColor& color) {
  p.setPen(QPen(color, 2.4, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(box, 40 * 16, 280 * 16);
  // Arrowhead at the arc's start (40 degrees), pointing along the turn.
  const QPointF centre = box.center();
  const qreal radius = box.width() / 2;
  const qreal angle = qDegreesToRadians(40.0);
  const QPointF tip(centre.x() + radius * std::cos(angle), centre.y() - radius * std::sin(angle));
  QPainterPath head;
  head.moveTo(tip + QPointF(-5.5, -1.5));
  head.lineTo(tip + QPointF(1.5, -3.5));
  head.lineTo(tip + QPointF(0.5, 4.0));
  head.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawPath(head);
}

void DrawPower(QPainter& p, const QColor& color) {
  p.setPen(QPen(color, 2.6, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(4, 5, 16, 16), 60 * 16, -300 * 16);
  p.drawLine(QPointF(12, 3), QPointF(12, 12));
}

void Paint(QPainter& p, ToolGlyphs::Glyph glyph) {
  using Glyph = ToolGlyphs::Glyph;
  switch (glyph) {
    case Glyph::OpenHex:
      DrawFolder(p);
      DrawLabel(p, QRectF(2, 8, 20, 12), "H", QColor(120, 50, 0), 10);
      break;
    case Glyph::OpenBinary:
      DrawFolder(p);
      DrawLabel(p, QRectF(2, 8, 20, 12), "01", QColor(120, 50, 0), 9);
      break;
    case Glyph::SaveBinary:
      DrawDisk(p);
      DrawLabel(p, QRectF(6, 13, 12, 8), "01", QColor(20, 40, 90), 7);
      break;
    case Glyph::Reload:
      DrawCycle(p, QRectF(4, 4, 16, 16), kDataGreen);
      break;
    case Glyph::WriteChip:
      DrawChip(p, QRectF(13, 5, 8, 14));
      DrawArrow(p, QPointF(1, 12), QPointF(11, 12), kWriteRed);
      break;
    case Glyph::ReadChip:
      DrawChip(p, QRectF(13, 5, 8, 14));
      DrawArrow(p, QPointF(11, 12), QPointF(1, 12), kReadBlue);
      break;
    case Glyph::WriteDataChip:
      DrawChip(p, QRectF(13, 5, 8, 14));
      DrawArrow(p, QPointF(1, 12), QPointF(11, 12), kWriteRed);
      DrawLabel(p, QRectF(0, 14, 10, 10), "D", kDataGreen, 9);
      break;
    case Glyph::ReadDataChip:
      DrawChip(p, QRectF(13, 5, 8, 14));
      DrawArrow(p, QPointF(11, 12), QPointF(1, 12), kReadBlue);
      DrawLabel(p, QRectF(0, 14, 10, 10), "D", kDataGreen, 9);
      break;
    case Glyph::ReadId:
      DrawChip(p, QRectF(13, 5, 8, 14));
      DrawLabel(p, QRectF(0, 4, 13, 16), "ID", kReadBlue, 9);
      break;
    case Glyph::WriteProgramConfig:
      DrawChip(p, QRectF(13, 5, 8, 14));
      DrawArrow(p, QPointF(1, 8), QPointF(11, 8), kWriteRed);
      DrawLabel(p, QRectF(0, 12, 12, 11), "PC", kWriteRed, 8);
      break;
    case Glyph::Reset:
      DrawChip(p, QRectF(13, 5, 8, 14));
      DrawLabel(p, QRectF(0, 4, 13, 16), "R", QColor(210, 110, 0), 12);
      break;
    case Glyph::PowerOn:
      DrawPower(p, QColor(0, 150, 40));
      break;
    case Glyph::PowerOff:
      DrawPower(p, QColor(190, 30, 30));
      break;
  }
}

}  // namespace

QIcon ToolGlyphs::Icon(Glyph glyph) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  Paint(painter, glyph);
  painter.end();
  QIcon icon(pixmap);
  return icon;
}

}  // namespace tarvel
