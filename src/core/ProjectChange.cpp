#include "ProjectChange.h"

namespace ladrix {

namespace {

ProjectChange::Marks marksOf(const ProgramStore& store)
{
    return {store.blockStart, store.blockEnd};
}

std::size_t textBytes(const QString& s)
{
    return std::size_t(s.capacity()) * sizeof(QChar);
}

std::size_t stepBytes(const Step& s)
{
    return sizeof(Step) + textBytes(s.ins) + textBytes(s.data) + textBytes(s.rem);
}

std::size_t cellBytes(const Cell& c)
{
    return sizeof(Cell) + textBytes(c.dev) + textBytes(c.data);
}

} // namespace

void ProjectChange::apply(ProgramStore& store, LadderGrid& grid, bool undo) const
{
    for (const StepEdit& e : steps)
        store.step(e.index) = undo ? e.before : e.after;
    for (const CellEdit& e : cells)
        grid.cell(e.index) = undo ? e.before : e.after;
    const Marks& marks = undo ? marksBefore : marksAfter;
    store.blockStart = marks.blockStart;
    store.blockEnd = marks.blockEnd;
}

std::size_t ProjectChange::bytes() const
{
    std::size_t total = sizeof(ProjectChange);
    for (const StepEdit& e : steps)
        total += sizeof(int) + stepBytes(e.before) + stepBytes(e.after);
    for (const CellEdit& e : cells)
        total += sizeof(int) + cellBytes(e.before) + cellBytes(e.after);
    return total;
}

void ProjectSnapshot::take(const ProgramStore& store, const LadderGrid& grid)
{
    m_steps.resize(ProgramStore::kSize);
    for (int i = 0; i < ProgramStore::kSize; ++i)
        m_steps[std::size_t(i)] = store.step(i);
    m_cells.resize(LadderGrid::kSize);
    for (int i = 0; i < LadderGrid::kSize; ++i)
        m_cells[std::size_t(i)] = grid.cell(i);
    m_marks = marksOf(store);
}

ProjectChange ProjectSnapshot::takeChange(const ProgramStore& store, const LadderGrid& grid)
{
    ProjectChange change;
    if (m_steps.empty()) {
        take(store, grid);
        return change;
    }
    for (int i = 0; i < ProgramStore::kSize; ++i) {
        Step& kept = m_steps[std::size_t(i)];
        const Step& now = store.step(i);
        if (kept != now) {
            change.steps.push_back({i, kept, now});
            kept = now;
        }
    }
    for (int i = 0; i < LadderGrid::kSize; ++i) {
        Cell& kept = m_cells[std::size_t(i)];
        const Cell& now = grid.cell(i);
        if (kept != now) {
            change.cells.push_back({i, kept, now});
            kept = now;
        }
    }
    change.marksBefore = m_marks;
    change.marksAfter = marksOf(store);
    m_marks = change.marksAfter;
    return change;
}

} // namespace ladrix
