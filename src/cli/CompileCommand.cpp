#include "CliInOut.h"
#include "CliProgramFile.h"
#include "CommandRegistry.h"

#include "ladder/LadderCompiler.h"

namespace ladrix::cli {

namespace {

const QString kName = QStringLiteral("compile");

int runCompile(const QStringList& args, Io& io)
{
    const std::optional<InOut> files = parseInOut(
        args, kName, io,
        [](FileKind from, FileKind to) {
            return (from == FileKind::Project || from == FileKind::Ladder) &&
                   (to == FileKind::InstructionList || to == FileKind::Project);
        },
        [](FileKind from, FileKind to) {
            return from == FileKind::Ladder && to == FileKind::Project;
        },
        QStringLiteral("IN is a .lad file and OUT a .lrp file"));
    if (!files)
        return kUsageOrInput;

    ProgramStore store;
    LadderGrid grid;
    if (!loadIn(*files, kName, store, grid, io))
        return kUsageOrInput;
    compileLadder(grid, store);
    if (!saveOut(files->out, kName, store, grid, io))
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
