#include "LadderDrawer.h"

#include "LadderCompiler.h"
#include "RungLayout.h"
#include "core/InstructionSet.h"
#include "core/ProgramEvaluator.h"

#include <QStringList>
#include <algorithm>
#include <vector>

namespace ladrix {

namespace {

QString mnemonicAt(const ProgramStore& store, int i)
{
    return ProgramStore::inRange(i) ? store.step(i).ins.trimmed().toUpper() : QString();
}

// Outputs that stack below the previous one in column 9; MC, MCR and END start a rung.
bool stacks(const QString& ins)
{
    return isOutputMnemonic(ins) && ins != "MC" && ins != "MCR" && ins != "END";
}

class Drawer final {
    Q_DISABLE_COPY_MOVE(Drawer)

public:
    Drawer(const ProgramStore& store, LadderGrid& grid) : m_store(store), m_grid(grid) {}

    DrawResult run();

private:
    // Reads the output at step i (with its K step); returns the step after it.
    int readOutput(int i, std::vector<RungLayout::Output>& outputs) const;
    bool rowIsFree(int row) const;
    DrawStop place(const std::vector<RungLayout::Output>& outputs);
    DrawStop handleContact(const QString& ins, const QString& dev);

    const ProgramStore& m_store;
    LadderGrid& m_grid;
    RungLayout m_rung;
    int m_rowNext = 0;
};

int Drawer::readOutput(int i, std::vector<RungLayout::Output>& outputs) const
{
    const Step& s = m_store.step(i);
    const QString ins = s.ins.trimmed().toUpper();
    if (ins != "OUT") {
        outputs.push_back({kFunctionBox, s.data.trimmed(), ins});
        return i + 1;
    }
    RungLayout::Output coil{kCoil, s.data.trimmed(), {}};
    if (mnemonicAt(m_store, i + 1) == "K") {
        coil.data = m_store.step(i + 1).data.trimmed();
        ++i;
    }
    outputs.push_back(coil);
    return i + 1;
}

bool Drawer::rowIsFree(int row) const
{
    for (int column = 0; column < LadderGrid::kColumns; ++column) {
        if (!(m_grid[GridPos::at(row, column)] == Cell{}))
            return false;
    }
    return true;
}

DrawStop Drawer::place(const std::vector<RungLayout::Output>& outputs)
{
    // A condition wider than columns 0 to 8 is not wrapped onto the next row: no link carries a
    // rung on from column 9, so such a rung ends the drawing instead.
    const std::vector<Cell> cells = m_rung.cells(outputs);
    m_rung.clear();
    if (cells.empty())
        return DrawStop::TooWide;
    const int rows = int(cells.size()) / LadderGrid::kColumns;
    // Drawn, it would not compile back to the same program.
    if (rows > kCompiledRungRows)
        return DrawStop::TooTall;
    // The rung needs rows that hold nothing, under a row with no link hanging into them.
    for (int row = m_rowNext; row + rows <= LadderGrid::kRows; ++row) {
        bool free = true;
        for (int r = row; r < row + rows && free; ++r)
            free = rowIsFree(r);
        for (int column = 0; column < LadderGrid::kColumns && free && row > 0; ++column) {
            const Cell& above = m_grid[GridPos::at(row - 1, column)];
            free = above.left != kLinkDown && above.right != kLinkDown;
        }
        if (!free)
            continue;
        const int first = GridPos::at(row, 0).index;
        for (std::size_t k = 0; k < cells.size(); ++k)
            m_grid.cell(first + int(k)) = cells[k];
        m_rowNext = row + rows;
        return DrawStop::None;
    }
    return DrawStop::NoRowsLeft;
}

DrawStop Drawer::handleContact(const QString& ins, const QString& dev)
{
    const qint16 code = ins.endsWith('I') ? kClosedContact : kContact;
    if (ins == "LD" || ins == "LDI")
        return m_rung.openBlock(code, dev) ? DrawStop::None : DrawStop::TooManyBlocks;
    if (ins == "AND" || ins == "ANI")
        return m_rung.addSeries(code, dev) ? DrawStop::None : DrawStop::NoRungOpen;
    if (ins == "OR" || ins == "ORI")
        return m_rung.addParallel(code, dev) ? DrawStop::None : DrawStop::NoRungOpen;
    return m_rung.joinBlocks(ins == "ANB") ? DrawStop::None : DrawStop::NothingToJoin;
}

DrawResult Drawer::run()
{
    static const QStringList contacts{"LD", "LDI", "AND", "ANI", "OR", "ORI", "ANB", "ORB"};
    const int last = std::min(m_store.maxStep(), ProgramStore::kLastIndex);
    int i = 0;
    int rungFirst = 0;
    while (i <= last) {
        const QString ins = mnemonicAt(m_store, i);
        if (contacts.contains(ins)) {
            if (m_rung.isEmpty())
                rungFirst = i;
            if (const DrawStop why = handleContact(ins, m_store.step(i).data);
                why != DrawStop::None)
                return {i, why};
            ++i;
            continue;
        }
        if (!isOutputMnemonic(ins)) {
            ++i;
            continue;
        }
        const int first = i;
        if (m_rung.openBlocks() > 1)
            return {first, DrawStop::BlockNotJoined};
        std::vector<RungLayout::Output> outputs;
        i = readOutput(i, outputs);
        while (i <= last && stacks(mnemonicAt(m_store, i)))
            i = readOutput(i, outputs);
        if (const DrawStop why = place(outputs); why != DrawStop::None)
            return {first, why};
    }
    // A condition left without an output is drawn as it stands.
    if (m_rung.openBlocks() > 1)
        return {rungFirst, DrawStop::BlockNotJoined};
    if (!m_rung.isEmpty()) {
        if (const DrawStop why = place({}); why != DrawStop::None)
            return {rungFirst, why};
    }
    return {};
}

} // namespace

DrawResult drawLadderUpTo(const ProgramStore& store, LadderGrid& grid)
{
    return Drawer(store, grid).run();
}

QList<int> stepsWithoutElement(const ProgramStore& store, int last)
{
    QList<int> steps;
    QString previous;
    for (int i = 0; i <= last; ++i) {
        const Step& step = store.step(i);
        const QString ins = mnemonicAt(store, i);
        const bool dropped = ins.isEmpty() ? !step.data.trimmed().isEmpty()
                                           : ins == u"STL" || ins == u"RET" || !isMnemonic(ins) ||
                                                 (ins == u"K" && previous != u"OUT");
        if (dropped)
            steps << i;
        previous = ins;
    }
    return steps;
}

void drawLadder(const ProgramStore& store, LadderGrid& grid)
{
    drawLadderUpTo(store, grid);
}

} // namespace ladrix
