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

const Command* findCommand(const QString& name)
{
    for (const Command& c : commands()) {
        if (c.name == name)
            return &c;
    }
    return nullptr;
}

int unknownCommand(const QString& name, Io& io)
{
    io.err << "ladrix-cli: unknown command \"" << name << "\"; see ladrix-cli --help\n";
    return kUsageOrInput;
}

// "--help" asks for help wherever it stands among the options, but not after "--", where it
// is a file name.
bool asksForHelp(const QStringList& args)
{
    for (const QString& arg : args) {
        if (arg == u"--")
            return false;
        if (arg == u"--help" || arg == u"-h")
            return true;
    }
    return false;
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
        if (args.size() < 2) {
            printToolHelp(io.out);
            return kOk;
        }
        const Command* asked = findCommand(args[1]);
        if (!asked)
            return unknownCommand(args[1], io);
        io.out << asked->help;
        return kOk;
    }
    const Command* command = findCommand(name);
    if (!command)
        return unknownCommand(name, io);
    const QStringList rest = args.mid(1);
    if (asksForHelp(rest)) {
        io.out << command->help;
        return kOk;
    }
    return command->run(rest, io);
}

} // namespace ladrix::cli
