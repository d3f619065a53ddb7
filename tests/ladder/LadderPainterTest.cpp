#include "ladder/ui/LadderPainter.h"
#include "core/LadderGrid.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace ladrix;

namespace {

using cellgeometry::kSlot;

// Cells drawn side by side from (0, 0), `scale` device pixels per twip, on white.
QImage drawn(const std::vector<std::pair<GridPos, Cell>>& cells, qreal scale, int rows = 1)
{
    const QSize size =
        QSizeF(kSlot.width() * 10 * scale, kSlot.height() * (rows + 1) * scale).toSize();
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (const auto& [pos, cell] : cells) {
        const QPointF at(pos.column() * kSlot.width() * scale, pos.row() * kSlot.height() * scale);
        paintCell(painter, cell, QRectF(at, kSlot * scale));
    }
    const qreal bottom = kSlot.height() * rows * scale;
    paintRail(painter, leftRailX(0, scale), 0, bottom, scale);
    paintRail(painter, rightRailX(0, scale), 0, bottom, scale);
    return image;
}

bool inked(const QImage& image, qreal x, qreal y)
{
    return image.pixelColor(int(x), int(y)).lightness() < 128;
}

// Dark pixels of the column at x between y1 and y2, and of the row at y between x1 and x2.
int darkInColumn(const QImage& image, int x, int y1, int y2)
{
    int n = 0;
    for (int y = y1; y < y2; ++y)
        n += inked(image, x, y);
    return n;
}

Cell element(int type)
{
    return Cell{qint16(type), kPlainEdge, kPlainEdge, {}, {}};
}

constexpr qreal kScreen = 1.0 / 15; // a pixel is 15 twips

} // namespace

// Points in screen pixels of one slot (54 x 37) that tell the pictures apart: the rung line on
// both sides, the gap between the bars, the bars, the slash, the ring, the frame of the box.
TEST(LadderPainterTest, EachCodeDrawsItsOwnPicture)
{
    const struct {
        int code;
        std::vector<std::tuple<int, int, bool>> samples;
    } cases[] = {
        {kContact,
         {{2, 18, true}, {50, 18, true}, {27, 18, false}, {23, 13, true}, {30, 23, true}}},
        {kClosedContact, {{2, 18, true}, {27, 18, true}, {23, 13, true}, {24, 23, false}}},
        {kStepContact, {{22, 14, true}, {24, 14, true}, {23, 18, false}, {27, 18, false}}},
        {kCoil, {{2, 18, true}, {50, 18, true}, {27, 18, false}, {27, 12, true}, {20, 18, true}}},
        {kFunctionBox, {{5, 18, true}, {27, 11, true}, {27, 25, true}, {27, 18, false}}},
        {kLine, {{0, 18, true}, {27, 18, true}, {53, 18, true}, {27, 13, false}}},
    };
    for (const auto& c : cases) {
        const QImage image = drawn({{GridPos{0}, element(c.code)}}, kScreen);
        for (const auto& [x, y, ink] : c.samples)
            EXPECT_EQ(inked(image, x, y), ink) << "code " << c.code << " at " << x << "," << y;
    }
}

TEST(LadderPainterTest, CodesWithoutPictureAndPlainEdgesDrawNothing)
{
    for (int code : {int(kEmpty), int(kPlainEdge), int(kLinkDown), 9, -1}) {
        const QImage image = drawn({{GridPos::at(0, 3), element(code)}}, kScreen);
        // Skip the rails, which stand in the outer strips.
        for (int y = 0; y < image.height(); ++y)
            for (int x = 2; x < image.width() - 2; ++x)
                ASSERT_FALSE(inked(image, x, y)) << "code " << code << " at " << x << "," << y;
    }
}

// At print resolution a rung drawn cell by cell is one line: no step at the cell boundaries, no
// gap at the rails; a link runs from one rung line to the next, and the rails do not notch at
// the row boundary.
TEST(LadderPainterTest, RungsLinksAndRailsAreUnbrokenAtPrintResolution)
{
    const qreal scale = 200.0 / 1440;
    std::vector<std::pair<GridPos, Cell>> cells;
    for (int c = 0; c < 9; ++c)
        cells.push_back({GridPos::at(0, c), element(kLine)});
    cells.push_back({GridPos::at(0, 9), element(kLine)});
    cells[2].second.left = kLinkDown;
    cells[5].second.right = kLinkDown;
    for (int c = 2; c <= 5; ++c)
        cells.push_back({GridPos::at(1, c), element(kLine)});
    const QImage image = drawn(cells, scale, 2);

    // Links leave the rung line downwards, so its thickness is counted down to its lower edge.
    const qreal rung = kSlot.height() / 2 * scale;
    const auto thickness = [&](int x) {
        return darkInColumn(image, x, int(rung) - 10, int(rung) + 2);
    };
    const int width = thickness(image.width() / 2);
    ASSERT_GE(width, 2);
    for (int x = int(leftRailX(0, scale)) + 3; x < int(rightRailX(0, scale)) - 3; ++x)
        ASSERT_EQ(thickness(x), width) << "x " << x;

    const int rail = int(leftRailX(0, scale));
    for (int y = 0; y < int(2 * kSlot.height() * scale); ++y)
        ASSERT_TRUE(inked(image, rail, y) && inked(image, int(rightRailX(0, scale)), y))
            << "y " << y;
    const int leftLink = int(2 * kSlot.width() * scale + 1);
    const int rightLink = int(6 * kSlot.width() * scale - 2);
    for (int y = int(rung); y < int(rung + kSlot.height() * scale); ++y)
        ASSERT_TRUE(inked(image, leftLink, y) && inked(image, rightLink, y)) << "y " << y;
    EXPECT_FALSE(inked(image, leftLink, rung + kSlot.height() * scale + 10));
}

TEST(LadderPainterTest, LabelsStandAboveAndBelowTheElement)
{
    Cell coil = element(kCoil);
    coil.dev = "T50";
    coil.data = "K100";
    const qreal scale = 4 * kScreen;
    const QImage image = drawn({{GridPos{0}, coil}}, scale);
    const auto inkBetween = [&](qreal top, qreal bottom) {
        int n = 0;
        for (int y = int(top * scale); y < int(bottom * scale); ++y)
            for (int x = 0; x < int(kSlot.width() * scale); ++x)
                n += inked(image, x, y);
        return n;
    };
    EXPECT_GT(inkBetween(15, 180), 20);
    EXPECT_GT(inkBetween(390, 555), 20);
    EXPECT_EQ(inkBetween(kSlot.height(), 2 * kSlot.height()), 0);
}
