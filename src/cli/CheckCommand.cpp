#include "CliProgramFile.h"
#include "CliSteps.h"
#include "CommandRegistry.h"

#include "core/LineParser.h"
#include "core/RuntimeError.h"

namespace ladrix::cli {

namespace {

const QString kName = QStringLiteral("check");

// The step is checked exactly as the editor checks the row a user typed. A stored mnemonic
// that the line would not give back ("LD X0" in one field, or none before an operand such as
// SFT, or a comment) is no instruction the program can run, even when the line reads as one.
QString stepFault(const Step& step)
{
    Step scratch = step;
    const QString ins = step.ins.trimmed();
    if (const std::optional<LineError> error =
            commitLine(ins + u' ' + step.data.trimmed(), scratch))
        return error->text;
    if (ins.isEmpty() || scratch.ins != ins.toUpper()) {
        QString stored = ins;
        return checkIns(stored, QString());
    }
    // A comma or an apostrophe inside the stored operand ends it early in the line: what
    // follows is checked as text after its device number.
    const QString data = step.data.trimmed();
    if (scratch.data != data.toUpper()) {
        QString stored = ins;
        try {
            return checkIns(stored, data.toLower());
        } catch (const RuntimeError& e) {
            return e.description();
        }
    }
    return QString();
}

int runCheck(const QStringList& args, Io& io)
{
    ProgramStore store;
    LadderGrid grid;
    if (!loadOnlyArgument(args, {FileKind::Project, FileKind::InstructionList, FileKind::Zk1},
                          kName, store, grid, io))
        return kUsageOrInput;

    int refused = 0;
    const int last = lastListedStep(store);
    for (int i = 0; i <= last; ++i) {
        const Step& step = store.step(i);
        if (!stepHasContent(step))
            continue;
        if (const QString message = stepFault(step); !message.isEmpty()) {
            io.out << stepNumber(i) << ": " << message << '\n';
            ++refused;
        }
    }
    return refused > 0 ? kFaultsFound : kOk;
}

const CommandRegistration registration{{
    kName,
    QStringLiteral("check every step of a .lrp, .ins or .zk1 file"),
    QStringLiteral(
        "Usage: ladrix-cli check FILE\n\n"
        "Checks every step of FILE (.lrp, .ins or .zk1) that is not empty, from step 0 to the\n"
        "first END step (or to the last step that is not empty when there is no END), as the\n"
        "instruction-list editor checks a typed line \"mnemonic operand\". Prints one line\n"
        "\"NNNN: message\" per refused step; nothing when all steps are accepted.\n\n"
        "Exit status: 0 all accepted, 1 some step refused, 2 bad usage or unreadable FILE.\n"),
    runCheck,
}};

} // namespace

} // namespace ladrix::cli
