#pragma once

#include "LadderGrid.h"
#include "ProgramStore.h"

#include <cstddef>
#include <vector>

namespace ladrix {

// What one edit changed: the steps and cells it touched, each with its value before and after,
// and the block marks. Undoing writes the values before back; redoing writes those after.
struct ProjectChange {
    struct StepEdit {
        int index;
        Step before;
        Step after;
    };
    struct CellEdit {
        int index;
        Cell before;
        Cell after;
    };
    struct Marks {
        int blockStart = -1;
        int blockEnd = -1;
        bool operator==(const Marks&) const = default;
    };

    std::vector<StepEdit> steps;
    std::vector<CellEdit> cells;
    Marks marksBefore;
    Marks marksAfter;

    // Only steps and cells make an edit; marks alone are no change to the program.
    bool isEmpty() const { return steps.empty() && cells.empty(); }
    // Writes one side's values into the program.
    void apply(ProgramStore& store, LadderGrid& grid, bool undo) const;
    // Memory the change holds, texts included.
    std::size_t bytes() const;
};

// A copy of the steps, cells and marks as they were after the last change, to tell what the
// next one changed.
class ProjectSnapshot {
public:
    void take(const ProgramStore& store, const LadderGrid& grid);
    // What differs from the copy; the copy then holds the program as it is now.
    ProjectChange takeChange(const ProgramStore& store, const LadderGrid& grid);

private:
    std::vector<Step> m_steps;
    std::vector<Cell> m_cells;
    ProjectChange::Marks m_marks;
};

} // namespace ladrix
