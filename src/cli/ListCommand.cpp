#include "CliProgramFile.h"
#include "CliSteps.h"
#include "CommandRegistry.h"

namespace ladrix::cli {

namespace {

const QString kName = QStringLiteral("list");

int runList(const QStringList& args, Io& io)
{
    ProgramStore store;
    LadderGrid grid;
    if (!loadOnlyArgument(args, {FileKind::Project, FileKind::InstructionList, FileKind::Zk1},
                          kName, store, grid, io))
        return kUsageOrInput;
    const int last = programLastStep(store);
    for (int i = 0; i <= last; ++i)
        io.out << listingLine(i, store.step(i)) << '\n';
    return kOk;
}

const CommandRegistration registration{{
    kName,
    QStringLiteral("print the instruction list of a .lrp, .ins or .zk1 file"),
    QStringLiteral(
        "Usage: ladrix-cli list FILE\n\n"
        "Prints the steps of FILE (.lrp, .ins or .zk1, extension in any case), one line per\n"
        "step from step 0 to the first END step, or to the last step that is not empty when\n"
        "there is no END. A line is the step number filled to four digits; a step that is not\n"
        "empty adds two blanks and the mnemonic, then one blank and the operand when it has\n"
        "one. A step holding only an operand shows it after an empty mnemonic.\n\n"
        "Exit status: 0 listed, 2 bad usage or unreadable FILE.\n"),
    runList,
}};

} // namespace

} // namespace ladrix::cli
