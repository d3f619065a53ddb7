#include "LadderPrintout.h"

#include "PrintPages.h"
#include "core/LadderGrid.h"
#include "ladder/ui/LadderPainter.h"

#include <QPainter>
#include <QPrinter>

namespace ladrix {

namespace {

constexpr qreal kLeft = 1900;
constexpr qreal kTop = 1500;
constexpr qreal kCellWidth = 810;
constexpr qreal kRowHeight = 555;
constexpr qreal kPictureWidth = 780;
constexpr qreal kEdgeWidth = 15;
constexpr qreal kLabelHeight = 165; // one line of the 8-point label font
constexpr qreal kLineWidth = 15;
constexpr qreal kLabelFontTwips = 160; // 8 points

bool isEndBox(const Cell& cell)
{
    return cell.data.trimmed().toUpper() == QLatin1String("END");
}

LadderPrintItem picture(int code, qreal x, qreal y)
{
    return {LadderPrintItem::Picture, code, QRectF(x, y, 0, 0), {}};
}

LadderPrintItem label(const QString& text, qreal x, qreal y)
{
    return {LadderPrintItem::Text, 0, QRectF(x, y, kPictureWidth, kLabelHeight), text};
}

LadderPrintItem text(const QString& text, qreal x, qreal y)
{
    return {LadderPrintItem::Text, 0, QRectF(x, y, 0, kLabelHeight), text};
}

} // namespace

LadderPrintout::LadderPrintout(const QString& projectName, const LadderGrid& grid,
                               const QDateTime& printedAt)
    : m_projectName(projectName), m_grid(grid),
      m_printedAt(printedAt.time().toString(QStringLiteral("HH:mm:ss")) +
                  printedAt.date().toString(QStringLiteral("yyyy-MM-dd")))
{
    const int cells = kMaxPages * kRowsPerPage * LadderGrid::kColumns;
    for (int i = 0; i < cells; ++i) {
        if (isEndBox(m_grid.cell(i))) {
            m_pages = i / (kRowsPerPage * LadderGrid::kColumns) + 1;
            break;
        }
    }
}

QList<LadderPrintItem> LadderPrintout::page(int p) const
{
    QList<LadderPrintItem> items;
    items.append(text(QStringLiteral("工程名称:") + m_projectName, kLeft, 500));
    items.append(text(QStringLiteral("打印时间") + m_printedAt, 9000, 500));
    for (int r = 0; r < kRowsPerPage; ++r) {
        const qreal y = kTop + kRowHeight * r;
        for (int c = 0; c < LadderGrid::kColumns; ++c) {
            const int i = (p * kRowsPerPage + r) * LadderGrid::kColumns + c;
            const Cell& cell = m_grid.cell(i);
            const qreal x = kLeft + kCellWidth * c;
            if (cell.left != kNoEdge)
                items.append(picture(cell.left, x, y + 270));
            if (cell.type != kEmpty)
                items.append(picture(cell.type, x + 15, y));
            if (!cell.dev.isEmpty())
                items.append(label(cell.dev, x + 30, y + 15));
            if (!cell.data.isEmpty())
                items.append(label(cell.data, x + 30, y + 390));
            if (cell.right != kNoEdge)
                items.append(picture(cell.right, x + 795, y + 270));
            if (isEndBox(cell)) {
                items.append(picture(kLinkDown, kLeft + kCellWidth * (c + 1), y));
                items.append(picture(kLinkDown, kLeft, y));
                items.append(text(QStringLiteral("页码: %1").arg(p + 1), 10500, 16000));
                return items;
            }
        }
        items.append(picture(kLinkDown, 10000, y));
        items.append(picture(kLinkDown, kLeft, y));
    }
    items.append(text(QStringLiteral("页码: %1").arg(p + 1), 10500, 16000));
    return items;
}

void LadderPrintout::paintPage(QPainter& painter, int p, qreal twipsToPixels) const
{
    painter.save();
    painter.scale(twipsToPixels, twipsToPixels);
    painter.setPen(QPen(Qt::black, kLineWidth));
    QFont font = painter.font();
    font.setPixelSize(int(kLabelFontTwips));
    painter.setFont(font);
    LadderPainter pictures(painter);
    for (const LadderPrintItem& item : page(p)) {
        if (item.kind == LadderPrintItem::Picture) {
            // Pictures are placed by their top-left corner; edges and the power rail are
            // strips one row high.
            const QPointF at = item.box.topLeft();
            if (item.code == kPlainEdge || item.code == kLinkDown)
                pictures.edge(item.code, QRectF(at, QSizeF(kEdgeWidth, kRowHeight)));
            else
                pictures.element(item.code, QRectF(at, QSizeF(kPictureWidth, kRowHeight)));
        } else if (item.box.width() > 0) {
            painter.drawText(item.box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip,
                             item.text);
        } else {
            painter.drawText(QRectF(item.box.topLeft(), QSizeF(12000, kLabelHeight)),
                             Qt::AlignLeft | Qt::AlignTop, item.text);
        }
    }
    painter.restore();
}

bool LadderPrintout::print(QPrinter& printer, QString& error) const
{
    const qreal scale = printer.resolution() / 1440.0;
    return printPages(
        printer, m_projectName, pageCount(),
        [this, scale](QPainter& painter, int p) { paintPage(painter, p, scale); }, error);
}

} // namespace ladrix
