#pragma once

#include "CommandRegistry.h"

#include "core/LadderGrid.h"
#include "core/ProgramStore.h"
#include "files/ProgramFile.h"

#include <initializer_list>

namespace ladrix::cli {

// Loads the program file named on the command line when its kind is one of `accepted`.
// Returns false after printing why on stderr (wrong extension, missing or unreadable file);
// the command then exits with kUsageOrInput. A short or damaged file loads with a warning.
bool loadProgramArgument(const QString& path, std::initializer_list<FileKind> accepted,
                         const QString& command, ProgramStore& store, LadderGrid& grid, Io& io);

// For commands that take exactly one program file and no options: checks the arguments and
// loads the file as loadProgramArgument does.
bool loadOnlyArgument(const QStringList& args, std::initializer_list<FileKind> accepted,
                      const QString& command, ProgramStore& store, LadderGrid& grid, Io& io);

// Loads IN for a command that writes a new file from it. A project keeps the name stored in
// its first line, so that writing it again reproduces it; any other accepted kind is loaded
// as loadProgramArgument does and the program is named `newName`.
bool loadSource(const QString& path, std::initializer_list<FileKind> accepted,
                const QString& newName, const QString& command, ProgramStore& store,
                LadderGrid& grid, Io& io);

// Prints a failed status as an error, or a warning for a usable one; returns whether the
// status is usable.
bool reportFileStatus(const FileStatus& status, const QString& command, Io& io);

// "a.lrp, a.ins" style list of the extensions, for messages.
QString extensionList(std::initializer_list<FileKind> kinds);

} // namespace ladrix::cli
