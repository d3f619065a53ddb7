#include "ElementPictures.h"

#include "LadderPainter.h"
#include "core/LadderGrid.h"

#include <QPainter>

namespace ladrix {

namespace {

using cellgeometry::kSlot;

// Screen slot size: a pixel is 15 twips.
constexpr qreal kScreenScale = 1.0 / 15;
constexpr int kIconSize = 32;

QPixmap blank(QSize size, qreal devicePixelRatio)
{
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::white);
    return pixmap;
}

Cell lone(int type)
{
    return Cell{qint16(type), kPlainEdge, kPlainEdge, {}, {}};
}

// What each button shows: the element it places, or for the vertical link a line that turns
// down into the row below.
void drawButtonElement(QPainter& painter, int button)
{
    const QSizeF slot = kSlot * kScreenScale;
    // The slot's middle stands in the middle of the icon, its rung line a little below it.
    const QPointF at(kIconSize / 2.0 - slot.width() / 2, kIconSize * 0.6 - slot.height() / 2);
    static const int types[] = {kContact,     kClosedContact, kContact, kClosedContact,
                                kStepContact, kFunctionBox,   kCoil,    kEmpty,
                                kLine,        kCoil};
    const int type = types[button - 1];
    if (type != kEmpty) {
        paintCell(painter, lone(type), QRectF(at, slot));
        return;
    }
    const Cell link{kLine, kPlainEdge, kLinkDown, {}, {}};
    paintCell(painter, link, QRectF(at - QPointF(slot.width() / 2 - 4, 0), slot));
}

} // namespace

QPixmap elementPicture(int type, int zoom, qreal devicePixelRatio)
{
    const QSizeF slot = kSlot * kScreenScale * zoom;
    QPixmap pixmap = blank(slot.toSize(), devicePixelRatio);
    QPainter painter(&pixmap);
    paintCell(painter, lone(type), QRectF(QPointF(0, 0), slot));
    return pixmap;
}

int paletteKeyDigit(int button)
{
    return button == 10 ? 0 : button;
}

QIcon paletteIcon(int button, qreal devicePixelRatio)
{
    QPixmap pixmap = blank(QSize(kIconSize, kIconSize), devicePixelRatio);
    QPainter painter(&pixmap);
    painter.setClipRect(QRect(0, 0, kIconSize, kIconSize));
    drawButtonElement(painter, button);
    QFont font = painter.font();
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(1, 0, 12, 12), Qt::AlignLeft | Qt::AlignTop,
                     QString::number(paletteKeyDigit(button)));
    return QIcon(pixmap);
}

} // namespace ladrix
