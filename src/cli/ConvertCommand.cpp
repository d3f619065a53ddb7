#include "CliArgs.h"
#include "CliProgramFile.h"
#include "CommandRegistry.h"

#include "core/TextHelpers.h"

namespace ladrix::cli {

namespace {

const QString kName = QStringLiteral("convert");
const QString kModel = QStringLiteral("--model");

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

FileStatus saveAs(FileKind kind, const QString& path, ProgramStore& store, const LadderGrid& grid)
{
    switch (kind) {
    case FileKind::InstructionList:
        return saveInstructionList(path, store);
    case FileKind::Ladder:
        return saveLadder(path, grid);
    default:
        return saveProject(path, store, grid);
    }
}

int runConvert(const QStringList& args, Io& io)
{
    const std::optional<CliArgs> parsed = parseArgs(args, {kModel}, kName, io);
    if (!parsed)
        return kUsageOrInput;
    if (parsed->positional.size() != 2)
        return usageError(io, kName, QStringLiteral("expected IN and OUT"));
    const QString in = parsed->positional[0];
    const QString out = parsed->positional[1];
    const FileKind from = fileKindOf(in);
    const FileKind to = fileKindOf(out);
    if (!canConvert(from, to))
        return usageError(io, kName,
                          QStringLiteral("cannot convert \"%1\" to \"%2\"").arg(in, out));

    // A new project takes its model from the option; a project keeps its own.
    const bool newProject = from != FileKind::Project && to == FileKind::Project;
    const QString model = parsed->option(kModel, QStringLiteral("0"));
    if (parsed->options.contains(kModel) && !newProject)
        return usageError(io, kName,
                          QStringLiteral("--model applies only when IN is not a project and "
                                         "OUT is a .lrp file"));
    if (model != u"0" && model != u"1")
        return usageError(io, kName, QStringLiteral("--model must be 0 or 1"));

    ProgramStore store;
    LadderGrid grid;
    store.plcType = model.toInt();
    if (from == FileKind::Project) {
        QString storedName;
        if (!reportFileStatus(openProject(in, store, grid, storedName), kName, io))
            return kUsageOrInput;
        store.projectName = storedName;
    } else {
        if (!loadProgramArgument(in, {from}, kName, store, grid, io))
            return kUsageOrInput;
        store.projectName = baseNameOf(out);
    }
    if (!reportFileStatus(saveAs(to, out, store, grid), kName, io))
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
