#include "LadderWalk.h"

#include "LadderCompiler.h"

#include <algorithm>

namespace ladrix {

namespace {

// Every pass moves a position right or down, changes depth or starts a rung: a well-formed grid
// takes one pass per cell in use. A malformed grid can make the walk revisit cells, so the number
// of passes is bounded as well, at a few per cell.
constexpr int kMaxPasses = 4 * LadderGrid::kSize;
constexpr int kLastRow = LadderGrid::kRows - 1;

bool isContactCode(qint16 type)
{
    return type == kContact || type == kClosedContact || type == kStepContact;
}

bool isOutputCode(qint16 type)
{
    return type == kCoil || type == kFunctionBox;
}

} // namespace

void compileLadder(const LadderGrid& grid, ProgramStore& store)
{
    LadderWalk(grid, store).run();
}

LadderWalk::LadderWalk(const LadderGrid& grid, ProgramStore& store) : m_grid(grid), m_store(store)
{
}

const Cell& LadderWalk::at(int index) const
{
    static const Cell outside;
    return LadderGrid::inRange(index) ? m_grid.cell(index) : outside;
}

void LadderWalk::write(const QString& ins, const QString& data)
{
    if (!ProgramStore::inRange(m_step)) {
        m_stopped = true;
        return;
    }
    m_store.step(m_step) = Step{ins, data, {}};
    ++m_step;
}

void LadderWalk::emitOutput(const Cell& c)
{
    if (c.type == kCoil) {
        write(QStringLiteral("OUT"), c.dev);
        if (!c.data.isEmpty())
            write(QStringLiteral("K"), c.data);
    } else {
        write(c.data, c.dev);
    }
}

void LadderWalk::emitMainRow(int pos)
{
    const Cell& c = at(pos);
    if (isOutputCode(c.type)) {
        emitOutput(c);
        return;
    }
    if (!isContactCode(c.type))
        return;
    if (m_openBlock[0]) {
        static const QString opening[] = {"LD", "LDI", "STL"};
        write(opening[c.type == kContact ? 0 : c.type == kClosedContact ? 1 : 2], c.dev);
        if (c.type == kStepContact) {
            m_stepMode = true;
            m_stepColumn = column(pos) + 1;
        } else {
            m_openBlock[0] = false;
        }
    } else if (c.type == kStepContact) {
        write(QString(), c.dev);
    } else {
        write(c.type == kContact ? QStringLiteral("AND") : QStringLiteral("ANI"), c.dev);
    }
}

void LadderWalk::emitBranch(int pos)
{
    const Cell& c = at(pos);
    const bool normallyOpen = c.type == kContact;
    if (isContactCode(c.type)) {
        if (!m_multiBranch[m_depth]) {
            write(normallyOpen ? QStringLiteral("OR") : QStringLiteral("ORI"), c.dev);
        } else if (m_openBlock[m_depth]) {
            write(normallyOpen ? QStringLiteral("LD") : QStringLiteral("LDI"), c.dev);
            m_openBlock[m_depth] = false;
        } else {
            write(normallyOpen ? QStringLiteral("AND") : QStringLiteral("ANI"), c.dev);
        }
    } else if (isOutputCode(c.type)) {
        emitOutput(c);
        if (c.type == kFunctionBox && c.data.trimmed().toUpper() == "END")
            m_stopped = true;
    }
}

void LadderWalk::emitDue(int depth)
{
    if (m_needOrb[depth]) {
        write(QStringLiteral("ORB"), QString());
        m_needOrb[depth] = false;
    }
}

// A group's ANB is due once every branch of the group is done, also those nested in its
// branches; groups nested in others are joined first.
void LadderWalk::emitFinishedGroups()
{
    while (!m_needAnb.empty()) {
        const DueAnb due = m_needAnb.back();
        for (int k = due.owner + 1; k <= due.deepest; ++k) {
            if (m_walkPos[k] != kNone)
                return;
        }
        write(QStringLiteral("ANB"), QString());
        m_needAnb.pop_back();
    }
}

LadderWalk::BranchScan LadderWalk::scanBranch(int start) const
{
    BranchScan scan;
    for (int x = start; LadderGrid::inRange(x); ++x) {
        const qint16 type = at(x).type;
        if (type != kEmpty && type != kLine && column(x) < LadderGrid::kOutputColumn)
            ++scan.elements;
        scan.end = x;
        if (rightLinked(x - LadderGrid::kColumns) || column(x) == LadderGrid::kOutputColumn)
            break;
    }
    return scan;
}

void LadderWalk::lookForBranches(int pos)
{
    // A group hanging after contacts already emitted on the row opens a block of its own that
    // ANB joins to them: an OR straight after those contacts would apply to all of them. The
    // ANB is kept on the group's deepest branch and written when all of them are done.
    const int owner = m_depth;
    const bool seriesBefore = !m_openBlock[owner];
    bool groupSeen = false;
    bool joinByAnb = false;
    int deepest = 0;
    for (int j = 1; owner + j < kDepths; ++j) {
        const int above = pos + LadderGrid::kColumns * (j - 1);
        const int cell = pos + LadderGrid::kColumns * j;
        if (!LadderGrid::inRange(cell) || !leftLinked(above))
            break;
        const int depth = owner + j;
        m_walkPos[depth] = cell;
        m_scanned[depth] = false;
        m_owner[depth] = owner;
        deepest = depth;
        // An empty cell carrying the link is a wire passing beside it, not a branch.
        if (at(cell).type == kEmpty)
            continue;
        const BranchScan scan = scanBranch(cell);
        if (scan.elements > 0 && !groupSeen && column(pos) < LadderGrid::kOutputColumn) {
            groupSeen = true;
            joinByAnb = seriesBefore || (owner == 0 && m_hasOrGroup);
        }
        if (owner == 0 && scan.elements == 1)
            m_hasOrGroup = true;
    }
    if (joinByAnb) {
        m_openBlock[owner] = true;
        m_needAnb.push_back({owner, deepest});
    }
}

void LadderWalk::scanNewDepth(int pos)
{
    const BranchScan scan = scanBranch(pos);
    const bool multi = scan.elements > 1;
    const bool rejoinsEarly = column(scan.end) < LadderGrid::kOutputColumn;
    m_branchStart[m_depth] = pos;
    m_multiBranch[m_depth] = multi;
    m_needOrb[m_depth] = multi && rejoinsEarly;
    m_openBlock[m_depth] = multi && rejoinsEarly;
}

void LadderWalk::run()
{
    m_store.clearSteps();
    startRung(0);
    for (int pass = 0; pass < kMaxPasses && !m_stopped; ++pass) {
        const int pos = m_walkPos[m_depth];
        if (pos < 0 || pos >= LadderGrid::kLastIndex)
            break;
        m_lowestRow = std::max(m_lowestRow, pos / LadderGrid::kColumns);
        if (m_depth == 0) {
            lookForBranches(pos);
            emitMainRow(pos);
        } else if (m_revisit[m_depth]) {
            m_revisit[m_depth] = false; // back from a group that rejoins on this cell
        } else {
            if (!m_scanned[m_depth]) {
                scanNewDepth(pos);
                m_scanned[m_depth] = true;
            }
            // Groups hanging inside a branch; its first cell carries the enclosing group's
            // chain of links, which that group's look has followed already.
            if (pos != m_branchStart[m_depth] && column(pos) < LadderGrid::kOutputColumn)
                lookForBranches(pos);
            emitBranch(pos);
        }
        if (!m_stopped)
            moveOn();
    }
}

void LadderWalk::moveOn()
{
    const int pos = m_walkPos[m_depth];
    const int above = pos - LadderGrid::kColumns;
    if (column(pos) == LadderGrid::kOutputColumn) {
        // Outputs stacked below this one: each deeper position in turn becomes the current one.
        for (int d = m_depth + 1; d < kDepths; ++d) {
            if (m_walkPos[d] == kNone)
                continue;
            m_walkPos[m_depth] = m_walkPos[d];
            for (int k = d; k + 1 < kDepths; ++k) {
                m_walkPos[k] = m_walkPos[k + 1];
                m_scanned[k] = m_scanned[k + 1];
                m_owner[k] = m_owner[k + 1];
            }
            clearPosition(kDepths - 1);
            return;
        }
        nextRung();
        return;
    }
    const bool endsHere = m_depth > 0 && above >= 0 && rightLinked(above);
    if (endsHere && rightLinked(pos) && !m_revisit[m_depth] && ownsPositions(m_depth)) {
        // A group inside this branch rejoins where the branch does: its branches come first.
        m_revisit[m_depth] = true;
        descend();
        return;
    }
    if (endsHere && rightLinked(pos) && nextBranchRejoinsAt(column(pos))) {
        // A further branch below rejoins here as well.
        clearPosition(m_depth);
        emitDue(m_depth);
        emitFinishedGroups();
        descendAfterRejoin();
        return;
    }
    if (!endsHere && rightLinked(pos) && !(m_stepMode && column(pos) == 0)) {
        m_walkPos[m_depth] = pos + 1;
        descend();
        return;
    }
    if (!endsHere) {
        int next = pos + 1;
        if (!at(next).inUse() && column(next) < LadderGrid::kOutputColumn)
            ++next;
        m_walkPos[m_depth] = next;
        return;
    }
    // This branch rejoins the row above here.
    clearPosition(m_depth);
    ascend();
}

// Frees a depth: a branch placed there later is a new one, scanned afresh and waiting on no
// cell.
void LadderWalk::clearPosition(int depth)
{
    m_walkPos[depth] = kNone;
    m_scanned[depth] = false;
    m_revisit[depth] = false;
}

bool LadderWalk::nextBranchRejoinsAt(int column) const
{
    for (int d = m_depth + 1; d < kDepths; ++d) {
        if (m_walkPos[d] != kNone)
            return this->column(scanBranch(m_walkPos[d]).end) == column;
    }
    return false;
}

bool LadderWalk::ownsPositions(int depth) const
{
    for (int d = depth + 1; d < kDepths; ++d) {
        if (m_walkPos[d] != kNone && m_owner[d] == depth)
            return true;
    }
    return false;
}

// The next deeper branch may belong to a group that encloses a branch still waiting for this
// one: that branch is finished first, so that what it joins is complete.
void LadderWalk::descendAfterRejoin()
{
    for (int next = m_depth + 1; next < kDepths; ++next) {
        if (m_walkPos[next] == kNone)
            continue;
        for (int d = m_depth - 1; d > m_owner[next]; --d) {
            if (m_revisit[d] && m_walkPos[d] != kNone) {
                m_depth = d;
                return;
            }
        }
        m_depth = next;
        return;
    }
    ascend();
}

void LadderWalk::descend()
{
    for (int d = m_depth + 1; d < kDepths; ++d) {
        if (m_walkPos[d] != kNone) {
            m_depth = d;
            return;
        }
    }
    ascend();
}

void LadderWalk::ascend()
{
    while (m_depth > 0 && m_walkPos[m_depth] == kNone) {
        emitDue(m_depth);
        emitFinishedGroups();
        --m_depth;
    }
    if (m_walkPos[m_depth] == kNone)
        nextRung();
}

void LadderWalk::startRung(int cell)
{
    m_walkPos.fill(kNone);
    m_openBlock.fill(false);
    m_multiBranch.fill(false);
    m_needOrb.fill(false);
    m_needAnb.clear();
    m_scanned.fill(false);
    m_revisit.fill(false);
    m_owner.fill(0);
    m_branchStart.fill(kNone);
    m_hasOrGroup = false;
    m_depth = 0;
    m_row = cell / LadderGrid::kColumns;
    m_walkPos[0] = cell;
    m_openBlock[0] = true;
}

void LadderWalk::nextRung()
{
    if (m_stepMode) {
        nextStepRung();
        return;
    }
    // Rows that branches of the rungs above reached hold no rung of their own: in a malformed
    // grid where they do, walking them again from every rung above would take rows squared.
    for (int r = std::max(m_row, m_lowestRow) + 1; r <= kLastRow; ++r) {
        const int first = r * LadderGrid::kColumns;
        if (at(first).type != kEmpty && !leftLinked(first - LadderGrid::kColumns)) {
            startRung(first);
            return;
        }
    }
    m_stopped = true;
}

void LadderWalk::nextStepRung()
{
    // Sub-rungs of a step hang on the step contact's link down column 0 and start in the
    // column after the step contact.
    for (int r = m_row; r < kLastRow; ++r) {
        if (!rightLinked(r * LadderGrid::kColumns))
            break;
        const int cell = (r + 1) * LadderGrid::kColumns + m_stepColumn;
        if (r + 1 > m_lowestRow && at(cell).type != kEmpty &&
            !leftLinked(cell - LadderGrid::kColumns)) {
            startRung(cell);
            return;
        }
        m_row = r + 1;
    }
    m_stepMode = false;
    nextRung();
}

} // namespace ladrix
