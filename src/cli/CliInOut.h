#pragma once

#include "CommandRegistry.h"

#include "core/LadderGrid.h"
#include "core/ProgramStore.h"
#include "files/ProgramFile.h"

#include <functional>
#include <optional>

namespace ladrix::cli {

// The arguments of a command that writes OUT from IN: "[--model 0|1] IN OUT".
struct InOut {
    QString in;
    QString out;
    FileKind from = FileKind::Unknown;
    FileKind to = FileKind::Unknown;
    int model = 0; // the model of a new project, 0 unless --model says otherwise
};

// Parses the arguments. `accepts` tells which pairs of kinds the command handles and
// `modelApplies` when --model may be given (`modelHint` says when, for the message). Prints a
// usage error and returns nothing when the arguments do not fit.
std::optional<InOut> parseInOut(const QStringList& args, const QString& command, Io& io,
                                const std::function<bool(FileKind, FileKind)>& accepts,
                                const std::function<bool(FileKind, FileKind)>& modelApplies,
                                const QString& modelHint);

// Loads IN as loadSource does: a program that is not a project takes the model of --model and
// the name of OUT. Returns false after printing why on stderr.
bool loadIn(const InOut& files, const QString& command, ProgramStore& store, LadderGrid& grid,
            Io& io);

// Writes OUT with the part of the program its kind holds (saveProgramFile). Returns false after
// printing why on stderr; OUT is then left as it was.
bool saveOut(const QString& out, const QString& command, ProgramStore& store,
             const LadderGrid& grid, Io& io);

} // namespace ladrix::cli
