#include "CliInOut.h"
#include "CliProgramFile.h"
#include "CommandRegistry.h"

#include "ladder/LadderDrawer.h"

#include <algorithm>

namespace ladrix::cli {

namespace {

const QString kName = QStringLiteral("draw");

QString stopReason(DrawStop why)
{
    switch (why) {
    case DrawStop::NoRungOpen:
        return QStringLiteral("no LD or LDI opens a rung before it");
    case DrawStop::TooManyBlocks:
        return QStringLiteral("more than 10 blocks are open");
    case DrawStop::NothingToJoin:
        return QStringLiteral("there are not two blocks to join");
    case DrawStop::BlockNotJoined:
        return QStringLiteral("a block opened by LD or LDI is not joined by ANB or ORB");
    case DrawStop::TooWide:
        return QStringLiteral("its condition is wider than the 9 columns before the output");
    case DrawStop::NoRowsLeft:
        return QStringLiteral("the ladder has no free rows left");
    case DrawStop::TooTall:
        return QStringLiteral("the rung is taller than the 257 rows a rung compiles from");
    case DrawStop::None:
        break;
    }
    return QString();
}

void warnAboutStepsPastModel(const ProgramStore& store, Io& io)
{
    for (int i = store.maxStep() + 1; i <= ProgramStore::kLastIndex; ++i) {
        if (!store.step(i).ins.trimmed().isEmpty()) {
            io.err << "ladrix-cli draw: warning: steps from " << i
                   << " on lie past the model's last step and are not drawn\n";
            break;
        }
    }
}

void warnAboutUndrawnSteps(const ProgramStore& store, int last, Io& io)
{
    // A long program may drop many steps; the first few are enough to find the pattern.
    constexpr qsizetype kNamed = 10;
    const QList<int> undrawn = stepsWithoutElement(store, last);
    if (undrawn.isEmpty())
        return;
    QStringList numbers;
    for (qsizetype i = 0; i < std::min(undrawn.size(), kNamed); ++i)
        numbers << QString::number(undrawn[i]);
    io.err << "ladrix-cli draw: warning: " << undrawn.size()
           << " step(s) have no ladder element and are not drawn (STL, RET, a K after no "
              "OUT, an unknown mnemonic or an operand alone): step "
           << numbers.join(QStringLiteral(", ")) << (undrawn.size() > kNamed ? ", ..." : "")
           << "\n";
}

int runDraw(const QStringList& args, Io& io)
{
    const std::optional<InOut> files = parseInOut(
        args, kName, io,
        [](FileKind from, FileKind to) {
            return (from == FileKind::Project || from == FileKind::InstructionList ||
                    from == FileKind::Zk1) &&
                   (to == FileKind::Ladder || to == FileKind::Project);
        },
        [](FileKind from, FileKind) { return from != FileKind::Project; },
        QStringLiteral("IN is not a project"));
    if (!files)
        return kUsageOrInput;

    ProgramStore store;
    LadderGrid grid;
    if (!loadIn(*files, kName, store, grid, io))
        return kUsageOrInput;
    warnAboutStepsPastModel(store, io);
    grid.clear();
    const DrawResult result = drawLadderUpTo(store, grid);
    const int stopped = result.step;
    if (!saveOut(files->out, kName, store, grid, io))
        return kUsageOrInput;
    warnAboutUndrawnSteps(store, stopped < 0 ? store.maxStep() : stopped - 1, io);
    if (stopped < 0)
        return kOk;
    io.err << "ladrix-cli draw: step " << stopped << " (" << store.step(stopped).ins.trimmed()
           << ") cannot be drawn: " << stopReason(result.why)
           << "; the ladder holds the rungs before it\n";
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
        "no rows left) ends the drawing: OUT holds the rungs before it; the step and the\n"
        "reason are named.\n"
        "Steps with no ladder element (STL, RET, a K after no OUT, an unknown mnemonic) draw\n"
        "nothing; they are named in a warning.\n\n"
        "Exit status: 0 drawn, 1 drawn up to a step that cannot be drawn, 2 bad usage,\n"
        "unreadable IN or OUT not writable.\n"),
    runDraw,
}};

} // namespace

} // namespace ladrix::cli
