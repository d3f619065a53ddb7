#include "CommandRegistry.h"

#include <algorithm>

namespace ladrix::cli {

std::vector<Command>& commands()
{
    static std::vector<Command> list;
    return list;
}

namespace {

void printToolHelp(QTextStream& s)
{
    s << "Usage: ladrix-cli COMMAND [ARGS...]\n\n"
         "Ladrix programs driven from the shell. Run \"ladrix-cli COMMAND --help\" for one "
         "command.\n\nCommands:\n";
    std::vector<Command> sorted = commands();
    std::sort(sorted.begin(), sorted.end(),
              [](const Command& a, const Command& b) { return a.name < b.name; });
    for (const Command& c : sorted)
        s << "  " << c.name.leftJustified(10) << c.summary << '\n';
    s << "\nExit status: 0 success, 1 faults found, 2 bad usage or unreadable input.\n";
}

} // namespace

int runTool(const QStringList& args, Io& io)
{
    if (args.isEmpty()) {
        printToolHelp(io.err);
        return kUsageOrInput;
    }
    const QString& name = args.first();
    if (name == "--help" || name == "-h" || name == "help") {
        printToolHelp(io.out);
        return kOk;
    }
    for (const Command& c : commands()) {
        if (c.name != name)
            continue;
        const QStringList rest = args.mid(1);
        if (rest.contains("--help") || rest.contains("-h")) {
            io.out << c.help;
            return kOk;
        }
        return c.run(rest, io);
    }
    io.err << "ladrix-cli: unknown command \"" << name << "\"; see ladrix-cli --help\n";
    return kUsageOrInput;
}

} // namespace ladrix::cli
