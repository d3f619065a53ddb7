#pragma once

#include "core/LadderGrid.h"
#include "core/ProgramStore.h"
#include "core/StepEditing.h"

#include <QList>
#include <QString>

namespace ladrix {

// Outcome of a file command. A failure carries the classic error number (53 file not found,
// 62 input past end of file, 75 path/file access error) and a message naming the reason.
// `truncated` marks a read that ended early: what was read is applied, the rest kept.
// A read that succeeded but met damaged values (no number, unknown code, overlong text) stays
// ok with number 13 and a message; those entries keep their previous values. A save whose texts
// held characters code page 936 lacks writes them as "?" and stays ok with a message.
struct FileStatus {
    bool ok = true;
    bool truncated = false;
    int number = 0;
    QString message;

    explicit operator bool() const { return ok; }
    static FileStatus failure(int number, const QString& message)
    {
        return FileStatus{false, false, number, message};
    }
};

// Project file (.lrp): name, model, steps 0..1999 (mnemonic, operand), cells 0..10000.
// Saving sets projectName to the file's base name and projectFile to its path.
FileStatus saveProject(const QString& path, ProgramStore& store, const LadderGrid& grid);
// Opening reads into the store and grid (comments, block marks and step 2000 untouched),
// then sets projectFile to the path and projectName to the file's base name.
// A missing or unreadable file changes nothing.
FileStatus openProject(const QString& path, ProgramStore& store, LadderGrid& grid);
// The same, also giving the name stored in the file's first line (for rewriting a file as it was).
FileStatus openProject(const QString& path, ProgramStore& store, LadderGrid& grid,
                       QString& storedName);

// Instruction-list file (.ins): steps 0..1999 as mnemonic, operand pairs.
FileStatus saveInstructionList(const QString& path, const ProgramStore& store);
FileStatus openInstructionList(const QString& path, ProgramStore& store);

// Ladder file (.lad): cells 0..10000, five values each.
FileStatus saveLadder(const QString& path, const LadderGrid& grid);
FileStatus openLadder(const QString& path, LadderGrid& grid);

// Block file: the pairs of blockPairs(store), in the .ins format.
FileStatus saveBlock(const QString& path, const ProgramStore& store);

// Reads every mnemonic, operand pair of an .ins-format file (at most 2001 are kept), for
// inserting at the current step with insertSteps().
FileStatus readStepPairs(const QString& path, QList<StepPair>& pairs);

// ZK1 import: clears all steps, reads 1000 pairs with device letters restored, and sets
// projectName to the file's base name. Model, file path, marks and grid are not changed.
FileStatus importZk1(const QString& path, ProgramStore& store);

} // namespace ladrix
