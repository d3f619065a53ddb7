#include "LadderPainter.h"

#include "core/LadderGrid.h"

#include <QPainter>

namespace ladrix {

namespace {

constexpr qreal kRung = LadderPainter::kPictureSize.height() / 2;
constexpr qreal kBar = 6; // half the height of a contact bar, clear of the label above
constexpr qreal kBox = 7; // half the height of a function box

// Maps picture units into the box, leaving the pen as the caller set it.
class PictureBox final {
public:
    explicit PictureBox(const QRectF& box)
        : m_box(box), m_sx(box.width() / LadderPainter::kPictureSize.width()),
          m_sy(box.height() / LadderPainter::kPictureSize.height())
    {
    }

    QPointF at(qreal x, qreal y) const { return {m_box.left() + x * m_sx, m_box.top() + y * m_sy}; }
    QLineF line(qreal x1, qreal y1, qreal x2, qreal y2) const { return {at(x1, y1), at(x2, y2)}; }
    qreal sx() const { return m_sx; }
    qreal sy() const { return m_sy; }

private:
    QRectF m_box;
    qreal m_sx;
    qreal m_sy;
};

// The rung line up to the left bar and on from the right bar, and the two bars.
void contactBars(QPainter& p, const PictureBox& b, qreal left, qreal right)
{
    const qreal width = LadderPainter::kPictureSize.width();
    p.drawLine(b.line(0, kRung, left, kRung));
    p.drawLine(b.line(right, kRung, width, kRung));
    p.drawLine(b.line(left, kRung - kBar, left, kRung + kBar));
    p.drawLine(b.line(right, kRung - kBar, right, kRung + kBar));
}

} // namespace

void LadderPainter::element(int code, const QRectF& box)
{
    const PictureBox b(box);
    const qreal width = kPictureSize.width();
    QPainter& p = m_painter;
    p.save();
    p.setBrush(Qt::NoBrush);
    switch (code) {
    case kContact:
        contactBars(p, b, 22, 30);
        break;
    case kClosedContact:
        contactBars(p, b, 22, 30);
        p.drawLine(b.line(20, kRung + kBar, 32, kRung - kBar));
        break;
    case kStepContact:
        contactBars(p, b, 21, 31);
        p.drawLine(b.line(23, kRung - kBar, 23, kRung + kBar));
        p.drawLine(b.line(29, kRung - kBar, 29, kRung + kBar));
        break;
    case kCoil:
        p.drawLine(b.line(0, kRung, 20, kRung));
        p.drawLine(b.line(32, kRung, width, kRung));
        p.drawEllipse(b.at(26, kRung), 6 * b.sx(), 6 * b.sy());
        break;
    case kFunctionBox:
        p.drawLine(b.line(0, kRung, 10, kRung));
        p.drawLine(b.line(42, kRung, width, kRung));
        p.drawRect(QRectF(b.at(10, kRung - kBox), b.at(42, kRung + kBox)));
        break;
    case kLine:
        p.drawLine(b.line(0, kRung, width, kRung));
        break;
    default:
        break;
    }
    p.restore();
}

void LadderPainter::edge(int code, const QRectF& strip)
{
    if (code != kPlainEdge && code != kLinkDown)
        return;
    m_painter.drawLine(strip.topLeft(), strip.topRight());
    if (code == kLinkDown)
        m_painter.drawLine(strip.topLeft(), strip.bottomLeft());
}

} // namespace ladrix
