#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <utility>
#include <vector>

namespace ladrix::cli {

// Exit codes shared by every command.
enum ExitCode { kOk = 0, kFaultsFound = 1, kUsageOrInput = 2 };

// Where a command writes: stdout for results, stderr for messages. Both UTF-8.
struct Io {
    QTextStream& out;
    QTextStream& err;
};

struct Command {
    QString name;
    QString summary; // one line for the tool's --help
    QString help;    // full text for "ladrix-cli NAME --help"
    std::function<int(const QStringList& args, Io& io)> run;
};

// Commands register themselves from their own source file:
//   static const CommandRegistration reg{{"list", "...", "...", runList}};
std::vector<Command>& commands();

struct CommandRegistration {
    explicit CommandRegistration(Command command) { commands().push_back(std::move(command)); }
};

// Runs the tool with its arguments (without the program name).
int runTool(const QStringList& args, Io& io);

} // namespace ladrix::cli
