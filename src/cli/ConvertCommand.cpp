#include "CliInOut.h"
#include "CliProgramFile.h"
#include "CommandRegistry.h"

namespace ladrix::cli {

namespace {

const QString kName = QStringLiteral("convert");

bool canConvert(FileKind from, FileKind to)
{
    switch (from) {
    case FileKind::Project:
        return to == FileKind::InstructionList || to == FileKind::Ladder || to == FileKind::Project;
    case FileKind::Zk1:
        return to == FileKind::InstructionList || to == FileKind::Project;
    case FileKind::InstructionList:
    case FileKind::Ladder:
        return to == FileKind::Project;
    case FileKind::Unknown:
        break;
    }
    return false;
}

// A new project takes its model from the option; a project keeps its own.
bool makesNewProject(FileKind from, FileKind to)
{
    return from != FileKind::Project && to == FileKind::Project;
}

int runConvert(const QStringList& args, Io& io)
{
    const std::optional<InOut> files =
        parseInOut(args, kName, io, canConvert, makesNewProject,
                   QStringLiteral("IN is not a project and OUT is a .lrp file"));
    if (!files)
        return kUsageOrInput;
    ProgramStore store;
    LadderGrid grid;
    if (!loadIn(*files, kName, store, grid, io))
        return kUsageOrInput;
    if (!saveOut(files->out, kName, store, grid, io))
        return kUsageOrInput;
    return kOk;
}

const CommandRegistration registration{{
    kName,
    QStringLiteral("convert between .lrp, .ins, .lad and .zk1 files"),
    QStringLiteral(
        "Usage: ladrix-cli convert [--model 0|1] IN OUT\n\n"
        "Converts IN to OUT, the formats told by the extensions (in any case):\n"
        "  .lrp -> .ins   the instruction list of the project\n"
        "  .lrp -> .lad   the ladder of the project\n"
        "  .lrp -> .lrp   the project rewritten, its stored name and model kept\n"
        "  .zk1 -> .ins   the imported steps, device letters restored\n"
        "  .zk1, .ins or .lad -> .lrp\n"
        "                 a new project holding that half (the other half empty), named\n"
        "                 after OUT's base name, of model --model (0 first, 1 second; 0 by\n"
        "                 default)\n"
        "OUT is replaced only when it has been written completely; after a failure no OUT is\n"
        "left behind.\n\n"
        "Exit status: 0 converted, 2 bad usage, unreadable IN or OUT not writable.\n"),
    runConvert,
}};

} // namespace

} // namespace ladrix::cli
