#include "CliArgs.h"
#include "CliProgramFile.h"
#include "CommandRegistry.h"

#include "core/TextHelpers.h"
#include "ladder/LadderCompiler.h"

namespace ladrix::cli {

namespace {

const QString kName = QStringLiteral("compile");
const QString kModel = QStringLiteral("--model");

int runCompile(const QStringList& args, Io& io)
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
    if (to != FileKind::InstructionList && to != FileKind::Project)
        return usageError(io, kName, QStringLiteral("\"%1\" is not a .ins or .lrp file").arg(out));
    const QString model = parsed->option(kModel, QStringLiteral("0"));
    if (parsed->options.contains(kModel) && (from == FileKind::Project || to != FileKind::Project))
        return usageError(io, kName,
                          QStringLiteral("--model applies only when IN is a .lad file and OUT "
                                         "a .lrp file"));
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
    } else if (!loadProgramArgument(in, {FileKind::Project, FileKind::Ladder}, kName, store, grid,
                                    io)) {
        return kUsageOrInput;
    }
    compileLadder(grid, store);
    const FileStatus saved = to == FileKind::InstructionList ? saveInstructionList(out, store)
                                                             : saveProject(out, store, grid);
    if (!reportFileStatus(saved, kName, io))
        return kUsageOrInput;
    if (!store.step(ProgramStore::kFileSteps).isEmpty()) {
        io.err << "ladrix-cli compile: the list runs past step " << ProgramStore::kFileSteps - 1
               << "; OUT keeps steps 0 to " << ProgramStore::kFileSteps - 1 << "\n";
        return kFaultsFound;
    }
    return kOk;
}

const CommandRegistration registration{{
    kName,
    QStringLiteral("compile a ladder into an instruction list (.lad, .lrp -> .ins, .lrp)"),
    QStringLiteral(
        "Usage: ladrix-cli compile [--model 0|1] IN OUT\n\n"
        "Compiles the ladder of IN (.lad or .lrp) into a new instruction list, which replaces\n"
        "any list IN held (comments included), and writes OUT: a .ins file with the list, or a\n"
        "project holding the ladder and the compiled list. A project keeps its name and model;\n"
        "a .lad file makes a project named after OUT of model --model (0 by default).\n\n"
        "Exit status: 0 compiled, 1 the list is longer than the 2000 steps a file holds (OUT\n"
        "keeps the first 2000), 2 bad usage, unreadable IN or OUT not writable.\n"),
    runCompile,
}};

} // namespace

} // namespace ladrix::cli
