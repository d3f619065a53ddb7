#include "CliArgs.h"
#include "CliProgramFile.h"
#include "CommandRegistry.h"

#include "plc/ScanEngine.h"
#include "plc/SimScript.h"
#include "plc/SimTexts.h"

#include <QFile>

namespace ladrix::cli {
namespace {

const QString kName = QStringLiteral("run");
const QString kInputs = QStringLiteral("--inputs");
const QString kUntil = QStringLiteral("--until");

// The script's text; "-" reads standard input.
std::optional<QString> readScript(const QString& path, Io& io)
{
    QFile file;
    const bool opened = path == u"-" ? file.open(stdin, QIODevice::ReadOnly)
                                     : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened) {
        io.err << "ladrix-cli run: cannot read " << path << ": " << file.errorString() << "\n";
        return std::nullopt;
    }
    return QString::fromUtf8(file.readAll());
}

int runProgram(const QStringList& args, Io& io)
{
    const std::optional<CliArgs> parsed = parseArgs(args, {kInputs, kUntil}, kName, io);
    if (!parsed)
        return kUsageOrInput;
    if (parsed->positional.size() != 1)
        return usageError(io, kName, QStringLiteral("expected one FILE"));
    std::optional<qint64> until;
    if (parsed->has(kUntil) && !(until = plc::parseSimTime(parsed->option(kUntil))))
        return usageError(io, kName,
                          QStringLiteral("--until takes a time (1.5, 1.5s, 500ms) up to 36000 s"));
    ProgramStore store;
    LadderGrid grid;
    if (!loadProgramArgument(parsed->positional[0],
                             {FileKind::Project, FileKind::InstructionList, FileKind::Zk1}, kName,
                             store, grid, io))
        return kUsageOrInput;
    std::vector<plc::SimEvent> events;
    if (parsed->has(kInputs)) {
        const std::optional<QString> text = readScript(parsed->option(kInputs), io);
        if (!text)
            return kUsageOrInput;
        QString error;
        std::optional<std::vector<plc::SimEvent>> script = plc::parseInputScript(*text, &error);
        if (!script) {
            io.err << "ladrix-cli run: " << parsed->option(kInputs) << ": " << error << "\n";
            return kUsageOrInput;
        }
        events = std::move(*script);
    }
    if (!until)
        until = (events.empty() ? 0 : events.back().atMs) + 1000;

    std::vector<Step> steps;
    for (int i = 0; i <= ProgramStore::kLastIndex; ++i)
        steps.push_back(store.step(i));
    plc::ScanEngine engine;
    if (!engine.load(steps)) {
        io.err << "ladrix-cli run: " << plc::simtext::runRefused() << engine.fault() << "\n";
        return kFaultsFound;
    }
    const bool ran = plc::runWithInputs(engine, events, *until, [&](const plc::SimChange& c) {
        io.out << plc::simTimeText(c.atMs) << " Y" << c.number << ' ' << (c.on ? '1' : '0') << '\n';
    });
    if (!ran) {
        io.err << "ladrix-cli run: " << plc::simtext::runRefused() << engine.fault() << "\n";
        return kFaultsFound;
    }
    return kOk;
}

const CommandRegistration reg{{
    kName,
    QStringLiteral("run a program in the simulated controller with timed inputs"),
    QStringLiteral(
        "Usage: ladrix-cli run FILE [--inputs SCRIPT] [--until TIME]\n\n"
        "Runs the program of FILE (.lrp, .ins or .zk1) in the simulated controller's scan\n"
        "engine, as the controller runs it in MONITOR mode, on simulated time: one scan every\n"
        "10 ms from 0 up to TIME included (--until; by default 1 s after the script's last\n"
        "change). Prints each change of an output as \"TIME Y30 1\" (seconds with\n"
        "milliseconds, the start of the scan that changed it; 1 on, 0 off), in time order.\n\n"
        "SCRIPT (a file, or - for standard input) holds one change a line:\n"
        "  TIME DEVICE VALUE      0.5 X0 1    2s X1 off    1500ms D700 -12\n"
        "TIME is in seconds (1.5, 1.5s) or milliseconds (500ms); an input X is switched 1, 0,\n"
        "on or off, a data register D takes -32768 to 32767. A change takes effect from the\n"
        "first scan at or after its time. Blank lines and lines starting with # are skipped.\n"
        "The rules of the scan (timers in seconds, counters, special relays M70-M73) are in\n"
        "the programming reference.\n\n"
        "Exit status: 0 ran, 1 the program cannot run (the reason, as the program check\n"
        "words it, on stderr), 2 bad usage, an unreadable FILE or a bad SCRIPT line.\n"),
    runProgram,
}};

} // namespace
} // namespace ladrix::cli
