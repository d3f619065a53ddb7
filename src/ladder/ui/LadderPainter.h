#pragma once

#include <QRectF>
#include <QSizeF>

class QPainter;

namespace ladrix {

// Draws the pictures of the ladder with the painter's pen, so the ladder window, the printout
// and PDF look alike: an element code (contact, closed contact, coil, function box, line, step
// contact) scaled into the box of its picture, and an edge code along a strip one cell high
// whose top is the rung line. Codes without a picture draw nothing.
class LadderPainter final {
public:
    // An element picture in its own units; the rung line runs at half its height.
    static constexpr QSizeF kPictureSize{52, 37};

    explicit LadderPainter(QPainter& painter) : m_painter(painter) {}

    void element(int code, const QRectF& box);
    // A plain edge carries the rung line across the strip; a link also runs down its left side
    // to the next row's rung line.
    void edge(int code, const QRectF& strip);

private:
    QPainter& m_painter;
};

} // namespace ladrix
