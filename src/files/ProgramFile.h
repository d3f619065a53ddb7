#pragma once

#include "ProjectFiles.h"

namespace ladrix {

// The program files the tool knows, told apart by their extension (in any case).
enum class FileKind { Unknown, Project, InstructionList, Ladder, Zk1 };

FileKind fileKindOf(const QString& path);
// The extension with its dot, lower case: ".lrp", ".ins", ".lad", ".zk1"; "" for Unknown.
QString extensionOf(FileKind kind);

// Loads any program file into the store and grid: a project both halves (and its name and
// model), an instruction list or ZK1 file the steps, a ladder file the grid. Projects and
// instruction lists bring their comments from their companion files (loadComments). An unknown
// extension fails with 75 and changes nothing.
FileStatus loadProgramFile(const QString& path, ProgramStore& store, LadderGrid& grid);

// Writes the part of the program a file kind holds: a project both halves (saveProject, which
// renames the project after the file), an instruction list the steps, a ladder file the grid.
// Projects and instruction lists write their comments beside them (followedByComments).
// A ZK1 or unknown kind fails with 75 and writes nothing.
FileStatus saveProgramFile(const QString& path, ProgramStore& store, const LadderGrid& grid);

} // namespace ladrix
