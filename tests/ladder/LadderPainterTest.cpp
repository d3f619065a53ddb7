#include "ladder/ui/LadderPainter.h"
#include "core/LadderGrid.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace ladrix;

namespace {

// Draws one picture, `scale` times the picture's own size, on white with a one-unit pen.
QImage drawn(int code, int scale = 1)
{
    const QSizeF size = LadderPainter::kPictureSize * scale;
    QImage image(size.toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, scale));
    LadderPainter pictures(painter);
    if (code == kPlainEdge || code == kLinkDown)
        pictures.edge(code, QRectF(QPointF(10 * scale, 18 * scale), QSizeF(scale, 19 * scale)));
    else
        pictures.element(code, QRectF(QPointF(0, 0), size));
    return image;
}

bool inked(const QImage& image, int x, int y, int scale = 1)
{
    return image.pixelColor(x * scale, y * scale).lightness() < 128;
}

struct Sample {
    int x, y;
    bool ink;
};

} // namespace

// Points that tell the pictures apart: the rung line left and right, the gap between the bars,
// the bars, the slash of a closed contact, the ring of a coil, the frame of a box.
TEST(LadderPainterTest, EachCodeDrawsItsOwnPicture)
{
    const struct {
        int code;
        std::vector<Sample> samples;
    } cases[] = {
        {kContact,
         {{2, 18, true}, {50, 18, true}, {26, 18, false}, {22, 13, true}, {30, 23, true}}},
        {kClosedContact, {{2, 18, true}, {26, 18, true}, {22, 13, true}, {24, 24, false}}},
        {kStepContact, {{21, 13, true}, {23, 13, true}, {29, 23, true}, {26, 18, false}}},
        {kCoil, {{2, 18, true}, {50, 18, true}, {26, 18, false}, {26, 12, true}, {20, 18, true}}},
        {kFunctionBox, {{5, 18, true}, {26, 11, true}, {26, 25, true}, {26, 18, false}}},
        {kLine, {{0, 18, true}, {26, 18, true}, {51, 18, true}, {26, 13, false}}},
        {kLinkDown, {{10, 18, true}, {10, 30, true}, {12, 30, false}}},
        {kPlainEdge, {{10, 18, true}, {10, 30, false}}},
    };
    for (const auto& c : cases) {
        const QImage image = drawn(c.code);
        for (const Sample& s : c.samples)
            EXPECT_EQ(inked(image, s.x, s.y), s.ink)
                << "code " << c.code << " at " << s.x << "," << s.y;
    }
}

// An element's box never shows an edge and an edge's strip never shows an element.
TEST(LadderPainterTest, CodesWithoutPictureDrawNothing)
{
    QImage image(LadderPainter::kPictureSize.toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        LadderPainter pictures(painter);
        const QRectF box(QPointF(0, 0), LadderPainter::kPictureSize);
        for (int code : {int(kEmpty), int(kPlainEdge), int(kLinkDown), 9, -1})
            pictures.element(code, box);
        for (int code : {int(kEmpty), int(kContact), int(kCoil), int(kLine), int(kStepContact), 9})
            pictures.edge(code, box);
    }
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_FALSE(inked(image, x, y)) << x << "," << y;
}

TEST(LadderPainterTest, PictureScalesIntoItsBox)
{
    const QImage image = drawn(kContact, 3);
    EXPECT_TRUE(inked(image, 2, 18, 3));
    EXPECT_TRUE(inked(image, 22, 13, 3));
    EXPECT_FALSE(inked(image, 26, 18, 3));
    EXPECT_FALSE(inked(image, 2, 12, 3));
}
