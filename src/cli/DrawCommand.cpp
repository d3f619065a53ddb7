#include "CliArgs.h"
#include "CliProgramFile.h"
#include "CommandRegistry.h"

#include "core/TextHelpers.h"
#include "ladder/LadderDrawer.h"

namespace ladrix::cli {

namespace {

const QString kName = QStringLiteral("draw");
const QString kModel = QStringLiteral("--model");

int runDraw(const QStringList& args, Io& io)
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
    if (to != FileKind::Ladder && to != FileKind::Project)
        return usageError(io, kName, QStringLiteral("\"%1\" is not a .lad or .lrp file").arg(out));
    const QString model = parsed->option(kModel, QStringLiteral("0"));
    if (parsed->options.contains(kModel) && from == FileKind::Project)
        return usageError(io, kName,
                          QStringLiteral("--model applies only when IN is not a project"));
    if (model != u"0" && model != u"1")
        return usageError(io, kName, QStringLiteral("--model must be 0 or 1"));

    ProgramStore store;
    LadderGrid grid;
    store.plcType = model.toInt();
    store.projectName = baseNameOf(out);
    if (from == FileKind::Project) {
        QString storedName;
        if (!reportFileStatus(openProject(in, store, grid, storedName), kName, io))
            return kUsageOrInput;
        store.projectName = storedName;
    } else if (!loadProgramArgument(in,
                                    {FileKind::Project, FileKind::InstructionList, FileKind::Zk1},
                                    kName, store, grid, io)) {
        return kUsageOrInput;
    }
    for (int i = store.maxStep() + 1; i <= ProgramStore::kLastIndex; ++i) {
        if (!store.step(i).ins.trimmed().isEmpty()) {
            io.err << "ladrix-cli draw: warning: steps from " << i
                   << " on lie past the model's last step and are not drawn\n";
            break;
        }
    }
    grid.clear();
    const int stopped = drawLadderUpTo(store, grid);
    const FileStatus saved =
        to == FileKind::Ladder ? saveLadder(out, grid) : saveProject(out, store, grid);
    if (!reportFileStatus(saved, kName, io))
        return kUsageOrInput;
    if (stopped < 0)
        return kOk;
    io.err << "ladrix-cli draw: step " << stopped << " (" << store.step(stopped).ins.trimmed()
           << ") cannot be drawn; the ladder holds the rungs before it\n";
    return kFaultsFound;
}

const CommandRegistration registration{{
    kName,
    QStringLiteral("draw an instruction list as a ladder (.ins, .lrp, .zk1 -> .lad, .lrp)"),
    QStringLiteral(
        "Usage: ladrix-cli draw [--model 0|1] IN OUT\n\n"
        "Draws the instruction list of IN (.ins, .lrp or .zk1) into an empty ladder and writes\n"
        "it to OUT: a .lad file with the ladder, or a .lrp project holding the instruction list\n"
        "and the drawn ladder. Steps 0 to 999 are drawn for model 0, 0 to 1999 for model 1;\n"
        "a project gives its own model, other files take --model (0 by default).\n"
        "A rung that cannot be drawn (a contact with no rung open, ANB or ORB without two\n"
        "blocks, a block never joined, more than 10 open blocks, more than 9 contacts in a row,\n"
        "no rows left) ends the drawing: OUT holds the rungs before it and the step is named.\n"
        "STL and RET steps draw nothing.\n\n"
        "Exit status: 0 drawn, 1 drawn up to a step that cannot be drawn, 2 bad usage,\n"
        "unreadable IN or OUT not writable.\n"),
    runDraw,
}};

} // namespace

} // namespace ladrix::cli
