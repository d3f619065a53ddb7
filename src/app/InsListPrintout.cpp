#include "InsListPrintout.h"

#include "PrintPages.h"
#include "core/ProgramStore.h"
#include "core/TextHelpers.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

namespace ladrix {

namespace {

constexpr qreal kPageWidthMm = 210;
constexpr qreal kPageHeightMm = 297;
constexpr qreal kColumnWidthMm = 52;
constexpr qreal kLineHeightMm = 6;
constexpr qreal kHeadY = 13;
constexpr qreal kFontPoints = 12;

} // namespace

InsListPrintout::InsListPrintout(const ProgramStore& store, bool toEnd)
    : m_store(store), m_last(toEnd ? store.getEndStep() : store.maxStep())
{
}

int InsListPrintout::pageCount() const
{
    // Pages follow each other without overlap; a program ending at step 0 still has a page.
    return m_last / kStepsPerPage + 1;
}

QList<PrintText> InsListPrintout::page(int p) const
{
    QList<PrintText> texts;
    texts.append(
        {{5, 5}, QCoreApplication::translate("InsListPrintout", "文件名") + m_store.projectName});
    for (int c = 0; c < kColumns; ++c) {
        const qreal x = 5 + kColumnWidthMm * c;
        texts.append({{x, kHeadY}, QCoreApplication::translate("InsListPrintout", "步序")});
        texts.append({{x + 12, kHeadY}, QCoreApplication::translate("InsListPrintout", "指令")});
        texts.append({{x + 24, kHeadY}, QCoreApplication::translate("InsListPrintout", "数据")});
    }
    const int first = p * kStepsPerPage;
    for (int c = 0; c < kColumns; ++c) {
        const qreal x = 6 + kColumnWidthMm * c;
        for (int k = 0; k < kLines; ++k) {
            const int t = first + k + kLines * c;
            if (t > m_last || !ProgramStore::inRange(t))
                continue;
            const qreal y = kHeadY + kLineHeightMm * (k + 1);
            const Step& step = m_store.step(t);
            texts.append({{x, y}, padZeroCopy(QString::number(t), 3)});
            if (!step.ins.isEmpty())
                texts.append({{x + 12, y}, step.ins});
            if (!step.data.isEmpty())
                texts.append({{x + 24, y}, step.data});
        }
    }
    texts.append({{190, 290}, QStringLiteral("PAGE:%1/%2").arg(p + 1).arg(pageCount())});
    return texts;
}

void InsListPrintout::paintPage(QPainter& painter, int p, const QSizeF& paper) const
{
    const qreal sx = paper.width() / kPageWidthMm;
    const qreal sy = paper.height() / kPageHeightMm;
    for (const PrintText& t : page(p)) {
        const QRectF box(t.at.x() * sx, t.at.y() * sy, paper.width(), paper.height());
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, t.text);
    }
}

bool InsListPrintout::print(QPrinter& printer, QString& error) const
{
    const QSizeF paper = printer.paperRect(QPrinter::DevicePixel).size();
    return printPages(
        printer, m_store.projectName, pageCount(),
        [this, paper](QPainter& painter, int p) {
            QFont font = painter.font();
            font.setPointSizeF(kFontPoints);
            painter.setFont(font);
            paintPage(painter, p, paper);
        },
        error);
}

} // namespace ladrix
