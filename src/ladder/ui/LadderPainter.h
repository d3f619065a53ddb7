#pragma once

#include <QRectF>
#include <QSizeF>

class QPainter;

namespace ladrix {

struct Cell;

// The one picture of a ladder cell, drawn with vector strokes so the editor, the element
// dialog, the palette, the printout and PDF look alike and stay sharp at any scale.
//
// A cell's slot is 810 x 555 twips: a 15-twip edge strip on each side and the element's
// picture between them. The rung line runs at half the slot's height; a cell in use carries it
// from strip to strip, so neighbouring cells join into one line. A vertical link runs in the
// middle of its strip from this row's rung line down to the next row's, below the slot. The
// device is written above the element and the constant or mnemonic below it, centred, in the
// painter's font.
namespace cellgeometry {

inline constexpr QSizeF kSlot{810, 555};
inline constexpr qreal kStrip = 15;
inline constexpr qreal kStroke = 15; // stroke width: one pixel on the screen
inline constexpr qreal kUpperLabelTop = 15;
inline constexpr qreal kLowerLabelTop = 390;
inline constexpr qreal kLabelHeight = 165;

// Device units per twip when the slot is drawn into `slot`.
inline qreal scaleOf(const QRectF& slot)
{
    return slot.width() / kSlot.width();
}

} // namespace cellgeometry

// Draws the element, its rung line, its links and its two labels into the slot.
void paintCell(QPainter& painter, const Cell& cell, const QRectF& slot);

// A power rail at x from `top` to `bottom`, as wide as the rung lines of cells scaled by
// `scale` device units per twip.
void paintRail(QPainter& painter, qreal x, qreal top, qreal bottom, qreal scale);

// Where the rails stand beside a row of cells starting at `left` with slots `scale` times
// their size in twips: in the middle of the first cell's left strip and the last one's right.
qreal leftRailX(qreal left, qreal scale);
qreal rightRailX(qreal left, qreal scale);

} // namespace ladrix
