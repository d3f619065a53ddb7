#include "FileHarness.h"
#include "FuzzSupport.h"
#include "Harnesses.h"

#include "files/FileRecords.h"

#include <algorithm>
#include <vector>

namespace ladrix::fuzz {

// A project file read field by field as the open reads it (name, model, 2000 steps, the cells):
// whatever it holds, texts stay on their line, the grid only gets codes the views know, and
// the project written back reads again the same.
int projectFile(const std::uint8_t* data, std::size_t size)
{
    static QList<StepPair> pairs = filePairs(ProgramStore());
    static LadderGrid grid;
    static int filledPairs = 0;
    static int filledCells = 0;
    clearFirst(pairs, filledPairs);
    clearFirst(grid, filledCells);

    MemoryReader in(bytesOf(data, size));
    QString name;
    qint16 model = 0;
    const bool complete = in.reader().readText(name) && in.reader().readInteger(model) &&
                          readPairs(in.reader(), pairs) && readCells(in.reader(), grid);
    const qsizetype fields = in.reader().fieldsRead();
    const qsizetype stepFields = kLinesPerStep * ProgramStore::kFileSteps;
    filledPairs = int(std::clamp<qsizetype>((fields - 1) / 2, 0, pairs.size()));
    filledCells =
        int(std::clamp<qsizetype>((fields - 2 - stepFields + 4) / 5, 0, LadderGrid::kSize));
    FUZZ_CHECK(complete == (fields == 2 + stepFields + kGridLines));
    checkText(name);
    for (int i = 0; i < filledPairs; ++i)
        checkPair(pairs[i]);
    for (int i = 0; i < filledCells; ++i)
        checkCell(grid.cell(i));

    const int cells = usedCells(grid, filledCells);
    const qsizetype steps = cells > 0 ? pairs.size() : usedPairs(pairs, filledPairs);
    ClassicTextWriter writer;
    writer.writeText(name);
    writer.writeInteger(model);
    writePairs(writer, pairs.first(steps));
    for (int i = 0; i < cells; ++i)
        writeCell(writer, grid.cell(i));

    // Read back with one record more than was written, which must find the file ended.
    MemoryReader back(writer.encoded());
    QString nameAgain;
    qint16 modelAgain = -1;
    QList<StepPair> pairsAgain(cells > 0 ? steps : steps + 1);
    std::vector<Cell> cellsAgain(std::size_t(cells > 0 ? cells + 1 : 0));
    back.reader().readText(nameAgain);
    back.reader().readInteger(modelAgain);
    readPairs(back.reader(), pairsAgain);
    for (Cell& cell : cellsAgain)
        readCell(back.reader(), cell);
    FUZZ_CHECK(back.reader().damagedFields() == 0);
    FUZZ_CHECK(nameAgain == throughGbk(name));
    FUZZ_CHECK(modelAgain == model);
    FUZZ_CHECK(pairsAgain.first(steps) == throughGbk(pairs.first(steps)));
    FUZZ_CHECK(pairsAgain.size() == steps || pairsAgain.last() == StepPair{});
    for (int i = 0; i < cells; ++i)
        FUZZ_CHECK(cellsAgain[std::size_t(i)] == throughGbk(grid.cell(i)));
    FUZZ_CHECK(cellsAgain.empty() || cellsAgain.back() == Cell{});
    return 0;
}

} // namespace ladrix::fuzz

LADRIX_FUZZ_TARGET(ladrix::fuzz::projectFile)
