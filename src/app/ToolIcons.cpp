#include "ToolIcons.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace ladrix {

namespace {

constexpr int kSize = 32;
const QColor kInk(40, 40, 40);
const QColor kPaper(250, 250, 250);
const QColor kAccent(30, 100, 190);
const QColor kWarm(200, 150, 40);

using Drawing = std::function<void(QPainter&)>;

void page(QPainter& p, const QRectF& r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 6, r.top());
    path.lineTo(r.right(), r.top() + 6);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setBrush(kPaper);
    p.drawPath(path);
}

void textLines(QPainter& p, const QRectF& r, int count)
{
    for (int i = 0; i < count; ++i) {
        const qreal y = r.top() + 7 + i * 5;
        p.drawLine(QPointF(r.left() + 4, y), QPointF(r.right() - 4, y));
    }
}

void arrow(QPainter& p, QPointF from, QPointF to)
{
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::max(1.0, std::hypot((to - from).x(), (to - from).y()));
    const QPointF n(-d.y(), d.x());
    p.drawLine(to, to - d * 5 + n * 4);
    p.drawLine(to, to - d * 5 - n * 4);
}

void drawNew(QPainter& p)
{
    page(p, QRectF(7, 3, 18, 25));
    p.setPen(QPen(kAccent, 2.5));
    p.drawLine(QPointF(22, 20), QPointF(22, 30));
    p.drawLine(QPointF(17, 25), QPointF(27, 25));
}

void drawOpen(QPainter& p)
{
    p.setBrush(kWarm);
    p.drawRect(QRectF(3, 9, 24, 18));
    p.setBrush(QColor(240, 200, 90));
    QPolygonF flap({QPointF(7, 14), QPointF(30, 14), QPointF(26, 27), QPointF(3, 27)});
    p.drawPolygon(flap);
}

void drawSave(QPainter& p)
{
    p.setBrush(kAccent);
    p.drawRect(QRectF(4, 4, 24, 24));
    p.setBrush(kPaper);
    p.drawRect(QRectF(9, 4, 14, 9));
    p.drawRect(QRectF(8, 18, 16, 10));
}

void drawPrint(QPainter& p)
{
    page(p, QRectF(9, 3, 14, 10));
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(QRectF(4, 12, 24, 11));
    p.setBrush(kPaper);
    p.drawRect(QRectF(9, 19, 14, 10));
}

void drawMark(QPainter& p, bool head)
{
    textLines(p, QRectF(6, 2, 20, 28), 5);
    p.setPen(QPen(kAccent, 3));
    const qreal barY = head ? 5 : 27;
    p.drawLine(QPointF(4, barY), QPointF(28, barY));
    arrow(p, QPointF(16, head ? 26 : 6), QPointF(16, head ? 9 : 23));
}

void drawCut(QPainter& p)
{
    p.setPen(QPen(kInk, 2));
    p.drawLine(QPointF(9, 3), QPointF(21, 21));
    p.drawLine(QPointF(23, 3), QPointF(11, 21));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(9, 24), 4.5, 4.5);
    p.drawEllipse(QPointF(23, 24), 4.5, 4.5);
}

void drawCopy(QPainter& p)
{
    page(p, QRectF(4, 3, 16, 20));
    page(p, QRectF(12, 9, 16, 20));
}

void drawPaste(QPainter& p)
{
    p.setBrush(kWarm);
    p.drawRect(QRectF(5, 5, 20, 24));
    p.setBrush(QColor(120, 120, 120));
    p.drawRect(QRectF(11, 2, 8, 6));
    page(p, QRectF(13, 12, 15, 18));
}

void drawFind(QPainter& p)
{
    p.setPen(QPen(kInk, 3));
    p.setBrush(QColor(210, 230, 250));
    p.drawEllipse(QPointF(13, 13), 8, 8);
    p.drawLine(QPointF(19, 19), QPointF(28, 28));
}

void drawRowChange(QPainter& p, bool insert)
{
    textLines(p, QRectF(2, 1, 22, 28), 5);
    p.setPen(QPen(insert ? QColor(30, 140, 60) : QColor(190, 40, 40), 3));
    p.drawLine(QPointF(19, 24), QPointF(29, 24));
    if (insert)
        p.drawLine(QPointF(24, 19), QPointF(24, 29));
}

void drawRungs(QPainter& p)
{
    p.setPen(QPen(kInk, 2));
    p.drawLine(QPointF(4, 3), QPointF(4, 29));
    p.drawLine(QPointF(28, 3), QPointF(28, 29));
    for (qreal y : {10.0, 22.0}) {
        p.drawLine(QPointF(4, y), QPointF(11, y));
        p.drawLine(QPointF(11, y - 4), QPointF(11, y + 4));
        p.drawLine(QPointF(15, y - 4), QPointF(15, y + 4));
        p.drawLine(QPointF(15, y), QPointF(28, y));
    }
}

void drawTool(QPainter& p)
{
    p.setBrush(kPaper);
    p.drawRect(QRectF(3, 3, 26, 26));
    p.setBrush(kAccent);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c)
            p.drawRect(QRectF(6 + c * 8, 7 + r * 10, 5, 6));
}

void drawConvert(QPainter& p)
{
    p.setPen(QPen(kInk, 2));
    p.drawLine(QPointF(3, 4), QPointF(3, 15));
    p.drawLine(QPointF(3, 9), QPointF(8, 9));
    p.drawLine(QPointF(8, 5), QPointF(8, 13));
    p.drawLine(QPointF(11, 5), QPointF(11, 13));
    p.setPen(QPen(kAccent, 2.5));
    arrow(p, QPointF(6, 20), QPointF(18, 20));
    page(p, QRectF(19, 14, 11, 16));
}

void drawConnect(QPainter& p)
{
    p.setBrush(QColor(90, 90, 90));
    p.drawRect(QRectF(3, 10, 10, 12));
    p.drawRect(QRectF(19, 10, 10, 12));
    p.setPen(QPen(kAccent, 2.5));
    p.drawLine(QPointF(13, 16), QPointF(19, 16));
}

void drawHelp(QPainter& p)
{
    p.setBrush(kAccent);
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setPen(kPaper);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(20);
    p.setFont(font);
    p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
}

void drawManual(QPainter& p)
{
    p.setBrush(QColor(160, 40, 40));
    p.drawRect(QRectF(6, 3, 21, 26));
    p.setBrush(kPaper);
    p.drawRect(QRectF(10, 7, 13, 6));
    p.drawLine(QPointF(9, 3), QPointF(9, 29));
}

// A curved arrow turning back (undo) or forward (redo).
void drawTurn(QPainter& p, bool back)
{
    p.setPen(QPen(kAccent, 2.5));
    QPainterPath path;
    const qreal from = back ? 24 : 8;
    const qreal to = back ? 8 : 24;
    path.moveTo(from, 26);
    path.cubicTo(from, 12, to + (back ? 4 : -4), 10, to, 14);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    arrow(p, QPointF(to + (back ? 6 : -6), 11), QPointF(to, 14));
}

const QHash<QString, Drawing>& drawings()
{
    static const QHash<QString, Drawing> table{
        {QStringLiteral("mnuFNew"), drawNew},
        {QStringLiteral("mnuFOpen"), drawOpen},
        {QStringLiteral("mnuFSave"), drawSave},
        {QStringLiteral("mnuFPrint"), drawPrint},
        {QStringLiteral("mnuIUp"), [](QPainter& p) { drawMark(p, true); }},
        {QStringLiteral("mnuIDown"), [](QPainter& p) { drawMark(p, false); }},
        {QStringLiteral("mnuICut"), drawCut},
        {QStringLiteral("mnuICopy"), drawCopy},
        {QStringLiteral("mnuIPaste"), drawPaste},
        {QStringLiteral("mnuEUndo"), [](QPainter& p) { drawTurn(p, true); }},
        {QStringLiteral("mnuERedo"), [](QPainter& p) { drawTurn(p, false); }},
        {QStringLiteral("mnuIFind"), drawFind},
        {QStringLiteral("mnuIInsert"), [](QPainter& p) { drawRowChange(p, true); }},
        {QStringLiteral("mnuIDelete"), [](QPainter& p) { drawRowChange(p, false); }},
        {QStringLiteral("mnuLTool"), drawTool},
        {QStringLiteral("mnuLCnv"), drawConvert},
        {QStringLiteral("mnuLInsert"),
         [](QPainter& p) {
             drawRungs(p);
             p.setPen(QPen(QColor(30, 140, 60), 3));
             p.drawLine(QPointF(20, 16), QPointF(30, 16));
             p.drawLine(QPointF(25, 11), QPointF(25, 21));
         }},
        {QStringLiteral("mnuLDelete"),
         [](QPainter& p) {
             drawRungs(p);
             p.setPen(QPen(QColor(190, 40, 40), 3));
             p.drawLine(QPointF(20, 16), QPointF(30, 16));
         }},
        {QStringLiteral("mnuConn"), drawConnect},
        {QStringLiteral("mnuHHelp"), drawHelp},
        {QStringLiteral("mnuHPro"), drawManual},
    };
    return table;
}

QIcon paint(const Drawing& drawing)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kInk, 1.5));
    drawing(painter);
    painter.end();
    return QIcon(pixmap);
}

} // namespace

QIcon toolIcon(const QString& key)
{
    const auto found = drawings().constFind(key);
    return found == drawings().constEnd() ? QIcon() : paint(*found);
}

QIcon appIcon()
{
    return paint([](QPainter& p) {
        p.setBrush(kPaper);
        p.drawRoundedRect(QRectF(1, 1, 30, 30), 4, 4);
        drawRungs(p);
    });
}

} // namespace ladrix
