#include "FileHarness.h"
#include "FuzzSupport.h"
#include "Harnesses.h"

#include "files/FileRecords.h"

#include <algorithm>
#include <vector>

namespace ladrix::fuzz {

// A ladder file read as the import reads it, five values a cell: the grid only gets codes the
// views know (a damaged code keeps the cell's code), texts stay on their line, and the cells
// written back read again the same.
int ladderFile(const std::uint8_t* data, std::size_t size)
{
    static LadderGrid grid;
    static int filled = 0;
    clearFirst(grid, filled);

    MemoryReader in(bytesOf(data, size));
    const bool complete = readCells(in.reader(), grid);
    filled = int(std::min<qsizetype>((in.reader().fieldsRead() + 4) / 5, LadderGrid::kSize));
    FUZZ_CHECK(complete == (in.reader().fieldsRead() == kGridLines));
    for (int i = 0; i < filled; ++i)
        checkCell(grid.cell(i));

    const int used = usedCells(grid, filled);
    ClassicTextWriter writer;
    for (int i = 0; i < used; ++i)
        writeCell(writer, grid.cell(i));
    MemoryReader back(writer.encoded());
    std::vector<Cell> again(std::size_t(used) + 1);
    for (Cell& cell : again)
        readCell(back.reader(), cell);
    FUZZ_CHECK(back.reader().damagedFields() == 0);
    for (int i = 0; i < used; ++i)
        FUZZ_CHECK(again[std::size_t(i)] == throughGbk(grid.cell(i)));
    FUZZ_CHECK(again.back() == Cell{});
    return 0;
}

} // namespace ladrix::fuzz

LADRIX_FUZZ_TARGET(ladrix::fuzz::ladderFile)
