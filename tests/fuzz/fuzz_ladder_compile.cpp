#include "FuzzSupport.h"
#include "Harnesses.h"

#include "core/LadderGrid.h"
#include "core/ProgramStore.h"
#include "ladder/LadderCompiler.h"

#include <QStringList>
#include <algorithm>
#include <vector>

namespace ladrix::fuzz {

namespace {

// Cells from two bytes each, written from cell 0 on. First byte: element (low three bits, the
// last an unknown code), left and right edge (two bits each), and in the top bit a gap of as
// many empty cells as the second byte says. Second byte: the two texts.
struct CellCode {
    std::uint8_t shape;
    std::uint8_t texts;
};

const qint16 kTypes[8] = {kEmpty,       kContact, kClosedContact, kCoil,
                          kFunctionBox, kLine,    kStepContact,   9};
const qint16 kEdges[4] = {kNoEdge, kPlainEdge, kLinkDown, kLinkDown};
const QStringList kTexts{"",  "X0",  "X1", "Y30", "T50", "100", "END",  " end ",
                         "S", "MCR", "LD", "K",   "OUT", "ORB", "S600", "中文"};

// Writes the cell of `code` at `index`; returns the index of the next cell.
int place(LadderGrid& grid, int index, CellCode code)
{
    if (code.shape & 0x80)
        return index + code.texts + 1;
    if (LadderGrid::inRange(index)) {
        grid.cell(index) =
            Cell{kTypes[code.shape & 7], kEdges[(code.shape >> 3) & 3],
                 kEdges[(code.shape >> 5) & 3], kTexts[code.texts & 15], kTexts[code.texts >> 4]};
    }
    return index + 1;
}

// Returns one past the last cell written.
int fill(LadderGrid& grid, const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // With the first byte odd the cells repeat down to a row it gives (at most 33: a malformed
    // grid can cost the walk rows times depth squared, which would slow every run).
    const bool repeat = data[0] % 2 == 1;
    const int end = GridPos::at(2 + (data[0] >> 3), 0).index;
    std::vector<CellCode> codes;
    for (std::size_t i = 1; i + 1 < size; i += 2)
        codes.push_back({data[i], data[i + 1]});
    int index = 0;
    for (const CellCode& code : codes)
        index = place(grid, index, code);
    while (repeat && !codes.empty() && index < end) {
        for (const CellCode& code : codes)
            index = place(grid, index, code);
    }
    return std::min(index, int(LadderGrid::kSize));
}

} // namespace

// Any grid, however malformed, compiles to an end: every step's comment is cleared and the
// steps written are contacts, blocks, coils with their constants or the mnemonics of boxes.
int ladderCompile(const std::uint8_t* data, std::size_t size)
{
    static LadderGrid grid;
    static ProgramStore store;
    static int filled = 0;
    clearFirst(grid, filled);
    filled = fill(grid, data, size);
    const Step old{"ORB", "X9", "old"};
    for (int i : {0, 1000, int(ProgramStore::kLastIndex)})
        store.step(i) = old;
    compileLadder(grid, store);

    static const QStringList written{"LD",  "LDI", "STL", "AND", "ANI", "OR",
                                     "ORI", "ANB", "ORB", "OUT", "K"};
    QStringList boxes;
    for (int i = 0; i < filled; ++i) {
        if (grid.cell(i).type == kFunctionBox)
            boxes << grid.cell(i).data;
    }
    for (int i = 0; i <= ProgramStore::kLastIndex; ++i) {
        const Step& step = store.step(i);
        FUZZ_CHECK(step.rem.isEmpty());
        FUZZ_CHECK(step.ins.isEmpty() || written.contains(step.ins) || boxes.contains(step.ins));
    }
    return 0;
}

} // namespace ladrix::fuzz

LADRIX_FUZZ_TARGET(ladrix::fuzz::ladderCompile)
