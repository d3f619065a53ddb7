#pragma once

#include "LadderCompiler.h"
#include "core/LadderGrid.h"
#include "core/ProgramStore.h"

#include <array>
#include <vector>

namespace ladrix {

// The walk of the compilation over rungs and branch depths. Depth 0 is a rung's main row,
// depth n the branch row n rows below it. Positions are cell indices; -1 is "no position".
class LadderWalk final {
    Q_DISABLE_COPY_MOVE(LadderWalk)

public:
    LadderWalk(const LadderGrid& grid, ProgramStore& store);
    void run();

private:
    static constexpr int kDepths = kCompiledRungRows;
    static constexpr int kNone = -1;

    const Cell& at(int index) const;
    int column(int index) const { return index % LadderGrid::kColumns; }
    bool rightLinked(int index) const { return at(index).right == kLinkDown; }
    bool leftLinked(int index) const { return at(index).left == kLinkDown; }

    void write(const QString& ins, const QString& data);
    void emitOutput(const Cell& c);
    void emitMainRow(int pos);
    void emitBranch(int pos);
    void emitDue(int depth);
    void emitFinishedGroups();

    struct BranchScan {
        int elements = 0;
        int end = 0; // cell where the scan stopped
    };
    BranchScan scanBranch(int start) const;
    void lookForBranches(int pos);
    void scanNewDepth(int pos);
    void clearPosition(int depth);
    bool ownsPositions(int depth) const;
    bool nextBranchRejoinsAt(int column) const;

    void moveOn();
    void descend();
    void descendAfterRejoin();
    void ascend();
    void startRung(int cell);
    void nextRung();
    void nextStepRung();

    const LadderGrid& m_grid;
    ProgramStore& m_store;
    std::array<int, kDepths> m_walkPos{};
    std::array<bool, kDepths> m_openBlock{};
    std::array<bool, kDepths> m_multiBranch{};
    std::array<bool, kDepths> m_needOrb{};
    // An ANB is due for each group opened after contacts once its branches (the depths
    // below `owner` down to `deepest`) are done; inner groups are pushed last.
    struct DueAnb {
        int owner;
        int deepest;
    };
    std::vector<DueAnb> m_needAnb;
    // The branch at this depth has been scanned since its position was set.
    std::array<bool, kDepths> m_scanned{};
    // Cell where the branch at this depth starts, once scanned.
    std::array<int, kDepths> m_branchStart{};
    // Depth whose look for branches set this depth's position.
    std::array<int, kDepths> m_owner{};
    // The branch waits on its current cell for a group that rejoins there.
    std::array<bool, kDepths> m_revisit{};
    bool m_hasOrGroup = false;
    int m_depth = 0;
    int m_step = 0;
    int m_row = 0;
    bool m_stepMode = false;
    int m_stepColumn = 0;
    bool m_stopped = false;
    // Lowest row the walk has reached: a rung never starts on a row an earlier rung walked.
    int m_lowestRow = 0;
};

} // namespace ladrix
