#include "CliProgramFile.h"
#include "CommandRegistry.h"

#include "core/CrossReference.h"

namespace ladrix::cli {

namespace {

const QString kName = QStringLiteral("xref");

int runXref(const QStringList& args, Io& io)
{
    ProgramStore store;
    LadderGrid grid;
    if (!loadOnlyArgument(args, {FileKind::Project, FileKind::InstructionList, FileKind::Zk1},
                          kName, store, grid, io))
        return kUsageOrInput;

    io.out << QStringLiteral("器件\t读取\t驱动\t其他") << '\n';
    for (const DeviceUse& use : crossReference(store))
        io.out << use.device.name() << '\t' << stepList(use.reads) << '\t' << stepList(use.drives)
               << '\t' << stepList(use.others) << '\n';
    return kOk;
}

const CommandRegistration registration{{
    kName,
    QStringLiteral("print the devices a .lrp, .ins or .zk1 program uses, with their steps"),
    QStringLiteral(
        "Usage: ladrix-cli xref FILE\n\n"
        "Prints the cross-reference of the program of FILE (.lrp, .ins or .zk1), from step 0\n"
        "to the first END step (or to the last step that is not empty when there is no END):\n"
        "a header line, then one line per device in the order X, Y, M, T, C, S, F, D, each by\n"
        "number. Fields are separated by a tab: the device (Y30; Y030 is the same device), the\n"
        "steps that read it (LD, LDI, AND, ANI, OR, ORI, STL), the steps that drive it (OUT, S,\n"
        "R, PLS, RST, SFT, MC) and the steps that name it as a mark or label (MCR, CJP, EJP,\n"
        "RET). Steps are filled to four digits and separated by blanks; \"-\" stands for none.\n"
        "K constants are no devices; operands the editor would refuse are left out.\n\n"
        "Exit status: 0 printed, 2 bad usage or unreadable FILE.\n"),
    runXref,
}};

} // namespace

} // namespace ladrix::cli
