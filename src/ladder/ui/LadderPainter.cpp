#include "LadderPainter.h"

#include "core/LadderGrid.h"

#include <QPainter>

namespace ladrix {

namespace {

using namespace cellgeometry;

// Shapes are laid out in strokes (15 twips, a pixel on the screen): a stroke's middle lies on a
// half stroke, so on the screen it fills whole pixels instead of smearing over two.
constexpr qreal kUnit = kStroke;
constexpr qreal kRung = kSlot.height() / 2 / kUnit;  // 18.5
constexpr qreal kMiddle = kSlot.width() / 2 / kUnit; // 27
constexpr qreal kBarTop = kRung - 6.5;
constexpr qreal kBarBottom = kRung + 6.5;
// The ring is a touch wider than high so both its sides and its top fall on whole pixels.
constexpr qreal kCoilRadius = 6.5;
constexpr qreal kCoilHeight = 6;
constexpr qreal kBoxHalfHeight = 7;

// Maps stroke units of the slot into the painter's coordinates and draws straight strokes as
// filled rectangles without smoothing: the pieces of neighbouring cells then cover whole device
// pixels and join without a seam or a step where their ends meet, at any scale.
class Slot final {
public:
    Slot(QPainter& painter, const QRectF& slot)
        : m_painter(painter), m_slot(slot), m_unit(scaleOf(slot) * kUnit)
    {
    }

    QPointF at(qreal x, qreal y) const
    {
        return {m_slot.left() + x * m_unit, m_slot.top() + y * m_unit};
    }
    qreal unit() const { return m_unit; }
    static constexpr qreal width() { return kSlot.width() / kUnit; }

    // A horizontal stroke whose ends stop exactly at x1 and x2.
    void across(qreal x1, qreal x2, qreal y) const { fill(x1, y - 0.5, x2, y + 0.5); }
    // A vertical stroke; `capped` reaches half a stroke past both ends to close the corners.
    void down(qreal x, qreal y1, qreal y2, bool capped = false) const
    {
        const qreal cap = capped ? 0.5 : 0;
        fill(x - 0.5, y1 - cap, x + 0.5, y2 + cap);
    }
    void frame(qreal x1, qreal y1, qreal x2, qreal y2) const
    {
        across(x1 - 0.5, x2 + 0.5, y1);
        across(x1 - 0.5, x2 + 0.5, y2);
        down(x1, y1, y2);
        down(x2, y1, y2);
    }

private:
    void fill(qreal x1, qreal y1, qreal x2, qreal y2) const
    {
        m_painter.fillRect(QRectF(at(x1, y1), at(x2, y2)), Qt::black);
    }

    QPainter& m_painter;
    QRectF m_slot;
    qreal m_unit;
};

// Where the symbol of an element interrupts the rung line, in stroke units; a line has none.
struct Gap {
    qreal left;
    qreal right;
};

Gap gapOf(int type)
{
    switch (type) {
    case kContact:
    case kClosedContact:
        return {23.5, 30.5};
    case kStepContact:
        return {22.5, 31.5};
    case kCoil:
        return {kMiddle - kCoilRadius, kMiddle + kCoilRadius};
    case kFunctionBox:
        return {11.5, 42.5};
    default:
        return {kMiddle, kMiddle};
    }
}

bool hasPicture(int type)
{
    return type == kContact || type == kClosedContact || type == kCoil || type == kFunctionBox ||
           type == kLine || type == kStepContact;
}

// Round and slanted strokes are smoothed; they meet nothing of another cell.
void drawSmooth(QPainter& p, const Slot& s, int type)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, s.unit()));
    p.setBrush(Qt::NoBrush);
    if (type == kClosedContact)
        p.drawLine(s.at(21.5, kBarBottom - 0.5), s.at(32.5, kBarTop + 0.5));
    else if (type == kCoil)
        p.drawEllipse(s.at(kMiddle, kRung), kCoilRadius * s.unit(), kCoilHeight * s.unit());
    p.restore();
}

void drawSymbol(QPainter& p, const Slot& s, int type)
{
    switch (type) {
    case kContact:
    case kClosedContact:
        s.down(23.5, kBarTop, kBarBottom);
        s.down(30.5, kBarTop, kBarBottom);
        break;
    case kStepContact:
        s.frame(22.5, kBarTop + 0.5, 24.5, kBarBottom - 0.5);
        s.frame(29.5, kBarTop + 0.5, 31.5, kBarBottom - 0.5);
        break;
    case kFunctionBox:
        s.frame(11.5, kRung - kBoxHalfHeight, 42.5, kRung + kBoxHalfHeight);
        break;
    default:
        break;
    }
    drawSmooth(p, s, type);
}

void drawLabels(QPainter& p, const Cell& cell, const QRectF& slot)
{
    const qreal scale = scaleOf(slot);
    const qreal left = slot.left() + kStrip * scale;
    const qreal width = (kSlot.width() - 2 * kStrip) * scale;
    const auto label = [&](const QString& text, qreal top) {
        if (!text.isEmpty())
            p.drawText(QRectF(left, slot.top() + top * scale, width, kLabelHeight * scale),
                       Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextDontClip, text);
    };
    label(cell.dev, kUpperLabelTop);
    label(cell.data, kLowerLabelTop);
}

} // namespace

void paintCell(QPainter& painter, const Cell& cell, const QRectF& slot)
{
    const Slot s(painter, slot);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);

    if (hasPicture(cell.type)) {
        // The rung reaches across an edge strip only where the cell has that edge, so that
        // neighbouring cells in use meet without a gap and an unjoined cell shows its ends.
        const qreal from = cell.left != kNoEdge ? 0 : 1;
        const qreal to = cell.right != kNoEdge ? s.width() : s.width() - 1;
        const Gap gap = gapOf(cell.type);
        if (cell.type == kLine) {
            s.across(from, to, kRung);
        } else {
            s.across(from, gap.left, kRung);
            s.across(gap.right, to, kRung);
        }
        drawSymbol(painter, s, cell.type);
    }

    const qreal nextRung = kRung + kSlot.height() / kUnit;
    if (cell.left == kLinkDown)
        s.down(0.5, kRung, nextRung, true);
    if (cell.right == kLinkDown)
        s.down(s.width() - 0.5, kRung, nextRung, true);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    drawLabels(painter, cell, slot);
    painter.restore();
}

void paintRail(QPainter& painter, qreal x, qreal top, qreal bottom, qreal scale)
{
    const qreal half = kStroke / 2 * scale;
    painter.fillRect(QRectF(QPointF(x - half, top), QPointF(x + half, bottom)), Qt::black);
}

qreal leftRailX(qreal left, qreal scale)
{
    return left + kStrip / 2 * scale;
}

qreal rightRailX(qreal left, qreal scale)
{
    return left + (LadderGrid::kColumns * kSlot.width() - kStrip / 2) * scale;
}

} // namespace ladrix
