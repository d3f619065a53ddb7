#include "LadderGrid.h"

#include "RuntimeError.h"

namespace ladrix {

namespace {

void checkIndex(int i)
{
    if (!LadderGrid::inRange(i))
        throw RuntimeError(RuntimeError::SubscriptOutOfRange,
                           QCoreApplication::translate("LadderGrid", "下标越界: 单元 %1").arg(i));
}

} // namespace

LadderGrid::LadderGrid() : m_cells(kSize) {}

Cell& LadderGrid::cell(int i)
{
    checkIndex(i);
    return m_cells[std::size_t(i)];
}

const Cell& LadderGrid::cell(int i) const
{
    checkIndex(i);
    return m_cells[std::size_t(i)];
}

void LadderGrid::clear()
{
    for (Cell& c : m_cells)
        c = Cell{};
}

bool LadderGrid::isClear() const
{
    for (const Cell& c : m_cells) {
        if (!(c == Cell{}))
            return false;
    }
    return true;
}

} // namespace ladrix
