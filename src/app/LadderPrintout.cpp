#include "LadderPrintout.h"

#include "PrintPages.h"
#include "core/LadderGrid.h"
#include "ladder/ui/LadderPainter.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

namespace ladrix {

namespace {

using namespace cellgeometry;

constexpr qreal kLeft = 1900;
constexpr qreal kTop = 1500;
constexpr qreal kTextHeight = 165; // one line of the 8-point font
constexpr qreal kFontTwips = 160;  // 8 points

bool isEndBox(const Cell& cell)
{
    return cell.data.trimmed().toUpper() == QLatin1String("END");
}

LadderPrintItem slot(int index, qreal x, qreal y)
{
    return {LadderPrintItem::CellSlot, index, QRectF(QPointF(x, y), kSlot), {}};
}

LadderPrintItem rail(qreal x, qreal top, qreal bottom)
{
    return {LadderPrintItem::Rail, 0, QRectF(x, top, 0, bottom - top), {}};
}

LadderPrintItem text(const QString& text, qreal x, qreal y)
{
    return {LadderPrintItem::Text, 0, QRectF(x, y, 0, kTextHeight), text};
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
    items.append(text(QCoreApplication::translate("LadderPrintout", "工程名称:") + m_projectName,
                      kLeft, 500));
    items.append(
        text(QCoreApplication::translate("LadderPrintout", "打印时间") + m_printedAt, 9000, 500));
    // Each rail is one stroke down the page, so it shows no joins between rows.
    const auto rails = [&](int rows, qreal rightX, qreal lastRowRightX) {
        const qreal bottom = kTop + kSlot.height() * rows;
        items.append(rail(leftRailX(kLeft, 1), kTop, bottom));
        if (rightX == lastRowRightX) {
            items.append(rail(rightX, kTop, bottom));
            return;
        }
        items.append(rail(rightX, kTop, bottom - kSlot.height()));
        items.append(rail(lastRowRightX, bottom - kSlot.height(), bottom));
    };
    const qreal rightX = rightRailX(kLeft, 1);
    for (int r = 0; r < kRowsPerPage; ++r) {
        const qreal y = kTop + kSlot.height() * r;
        for (int c = 0; c < LadderGrid::kColumns; ++c) {
            const int i = (p * kRowsPerPage + r) * LadderGrid::kColumns + c;
            items.append(slot(i, kLeft + kSlot.width() * c, y));
            if (isEndBox(m_grid.cell(i))) {
                // The rail closes the row right after the END box; nothing after it is printed.
                rails(r + 1, rightX, rightX - kSlot.width() * (LadderGrid::kColumns - 1 - c));
                items.append(
                    text(QCoreApplication::translate("LadderPrintout", "页码: %1").arg(p + 1),
                         10500, 16000));
                return items;
            }
        }
    }
    rails(kRowsPerPage, rightX, rightX);
    items.append(
        text(QCoreApplication::translate("LadderPrintout", "页码: %1").arg(p + 1), 10500, 16000));
    return items;
}

void LadderPrintout::paintPage(QPainter& painter, int p, qreal twipsToPixels) const
{
    painter.save();
    painter.scale(twipsToPixels, twipsToPixels);
    painter.setPen(Qt::black);
    QFont font = painter.font();
    font.setPixelSize(int(kFontTwips));
    painter.setFont(font);
    for (const LadderPrintItem& item : page(p)) {
        switch (item.kind) {
        case LadderPrintItem::CellSlot:
            paintCell(painter, m_grid.cell(item.index), item.box);
            break;
        case LadderPrintItem::Rail:
            paintRail(painter, item.box.left(), item.box.top(), item.box.bottom(), 1);
            break;
        case LadderPrintItem::Text:
            painter.drawText(QRectF(item.box.topLeft(), QSizeF(12000, kTextHeight)),
                             Qt::AlignLeft | Qt::AlignTop, item.text);
            break;
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
