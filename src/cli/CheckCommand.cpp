#include "CliProgramFile.h"
#include "CommandRegistry.h"

#include "core/ProgramCheck.h"

namespace ladrix::cli {

namespace {

const QString kName = QStringLiteral("check");

int runCheck(const QStringList& args, Io& io)
{
    ProgramStore store;
    LadderGrid grid;
    if (!loadOnlyArgument(args, {FileKind::Project, FileKind::InstructionList, FileKind::Zk1},
                          kName, store, grid, io))
        return kUsageOrInput;

    const QList<CheckMessage> messages = checkProgram(store);
    for (const CheckMessage& message : messages)
        io.out << checkLine(message) << '\n';
    return messages.isEmpty() ? kOk : kFaultsFound;
}

const CommandRegistration registration{{
    kName,
    QStringLiteral("check the steps and the structure of a .lrp, .ins or .zk1 program"),
    QStringLiteral(
        "Usage: ladrix-cli check FILE\n\n"
        "Checks the program of FILE (.lrp, .ins or .zk1) from step 0 to the first END step (or\n"
        "to the last step that is not empty when there is no END), as the desktop program's\n"
        "program check does. Every step that is not empty is checked as the instruction-list\n"
        "editor checks a typed line \"mnemonic operand\"; then the program's structure: a\n"
        "missing END or steps after it, blocks not joined by ANB or ORB, ANB or ORB without two\n"
        "blocks, contacts without an output, a timer or counter OUT without its K step and a K\n"
        "step without one, one device driven by two OUT or PLS steps (double coil), MC without\n"
        "MCR, CJP without a later EJP, a step ladder (STL) without RET.\n"
        "Prints one line \"NNNN: message\" per finding, in step order; nothing when there is\n"
        "none.\n\n"
        "Exit status: 0 nothing found, 1 some finding, 2 bad usage or unreadable FILE.\n"),
    runCheck,
}};

} // namespace

} // namespace ladrix::cli
