#include "CliArgs.h"
#include "CliInOut.h"
#include "CliPlcRunner.h"
#include "CliProgramFile.h"
#include "CliSteps.h"
#include "CommandRegistry.h"

#include "core/TextHelpers.h"
#include "plc/DeviceGroups.h"
#include "plc/PlcTexts.h"

namespace ladrix::cli {
namespace {

const QString kName = QStringLiteral("plc");
const QString kPort = QStringLiteral("--port");
const QString kModel = QStringLiteral("--model");
const QString kFrom = QStringLiteral("--from");
const QString kTo = QStringLiteral("--to");
const QString kDest = QStringLiteral("--dest");
const QString kCount = QStringLiteral("--count");
const QString kAll = QStringLiteral("--all");

// What one plc command has to work with.
struct PlcJob {
    CliArgs args;
    QStringList operands; // the command's own arguments
    int model = 0;
    bool modelGiven = false;
    Io& io;
};

using Handler = std::function<int(PlcJob&)>;

struct Subcommand {
    QString name;
    int operands; // -1: one or more
    QStringList options;
    Handler run;
};

int maxStepOf(const PlcJob& job)
{
    return ProgramStore::maxStepFor(job.model);
}

// Loads the program a command sends (.lrp or .ins); --model overrides a project's own model.
bool loadProgram(PlcJob& job, ProgramStore& store)
{
    LadderGrid grid;
    if (!loadProgramArgument(job.operands[0], {FileKind::Project, FileKind::InstructionList}, kName,
                             store, grid, job.io))
        return false;
    if (job.modelGiven)
        store.plcType = job.model;
    else
        job.model = store.plcType;
    return true;
}

bool checkOut(const PlcJob& job)
{
    const FileKind kind = fileKindOf(job.operands[0]);
    if (kind == FileKind::Project || kind == FileKind::InstructionList)
        return true;
    usageError(job.io, kName,
               QStringLiteral("\"%1\" is not a .lrp or .ins file").arg(job.operands[0]));
    return false;
}

// Writes a program read from the controller: a new project named after OUT, or its steps.
int saveRead(const PlcJob& job, ProgramStore& store)
{
    store.plcType = job.model;
    store.projectName = baseNameOf(job.operands[0]);
    if (!saveOut(job.operands[0], kName, store, LadderGrid(), job.io))
        return kUsageOrInput;
    return kOk;
}

// Connects, runs one request and prints its final text on success.
int connectAndRun(PlcJob& job, const std::function<bool(plc::PlcSession&)>& request,
                  plc::SequenceResult* result = nullptr)
{
    PlcRunner runner(job.args.option(kPort), kName, job.io);
    if (const int status = runner.connect(); status != kOk)
        return status;
    const plc::SequenceResult r = runner.run(request);
    if (result)
        *result = r;
    const int status = runner.status(r);
    if (status == kOk && !r.message.isEmpty())
        job.io.out << r.message << "\n";
    return status;
}

int runKeys(PlcJob& job)
{
    std::vector<std::uint8_t> codes;
    for (const QString& operand : job.operands) {
        bool ok = false;
        const int code = operand.toInt(&ok, 10);
        if (!ok || code < 0 || code > 255)
            return usageError(
                job.io, kName,
                QStringLiteral("a key code is a number from 0 to 255, not %1").arg(operand));
        codes.push_back(static_cast<std::uint8_t>(code));
    }
    PlcRunner runner(job.args.option(kPort), kName, job.io);
    if (!runner.open())
        return kUsageOrInput;
    bool timedOut = false;
    // Taken on this thread, in order, before the sequence's result.
    QObject::connect(&runner.session(), &plc::PlcSession::keyExchanged, &runner.session(),
                     [&](const plc::KeyResult& k) {
                         if (k.ok()) {
                             const QString ins =
                                 k.display.ins.isEmpty() ? QStringLiteral("-") : k.display.ins;
                             job.io.out << k.key << ' ' << ins << ' ' << k.display.num << "\n";
                         } else {
                             job.io.out << k.key << " Error\n";
                             timedOut = true;
                         }
                         job.io.out.flush();
                     });
    const plc::SequenceResult sent =
        runner.run([&](plc::PlcSession& s) { return s.sendKeys(codes); });
    if (sent.outcome == plc::SequenceOutcome::LinkFailed) {
        job.io.err << "ladrix-cli plc: port " << job.args.option(kPort)
                   << " failed, remaining keys not sent: " << sent.dialogText << "\n";
        return kUsageOrInput;
    }
    return timedOut ? kFaultsFound : kOk;
}

int runWrite(PlcJob& job)
{
    ProgramStore store;
    if (!loadProgram(job, store))
        return kUsageOrInput;
    const std::optional<int> from = intOption(job.args, kFrom, 0, maxStepOf(job), 0, kName, job.io);
    const std::optional<int> to =
        intOption(job.args, kTo, 0, maxStepOf(job), maxStepOf(job), kName, job.io);
    if (!from || !to)
        return kUsageOrInput;
    const plc::WriteRange range{*from, *to, !job.args.has(kTo)};
    return connectAndRun(job, [&](plc::PlcSession& s) { return s.writeProgram(store, range); });
}

int runRead(PlcJob& job)
{
    if (!checkOut(job))
        return kUsageOrInput;
    const int maxStep = maxStepOf(job);
    const std::optional<int> from = intOption(job.args, kFrom, 0, maxStep, 0, kName, job.io);
    const std::optional<int> to = intOption(job.args, kTo, 0, maxStep, maxStep, kName, job.io);
    const std::optional<int> dest = intOption(job.args, kDest, 0, maxStep, 0, kName, job.io);
    if (!from || !to || !dest)
        return kUsageOrInput;
    const plc::ReadRange range{*from, *to, *dest, !job.args.has(kAll)};
    plc::SequenceResult r;
    const int status = connectAndRun(
        job, [&](plc::PlcSession& s) { return s.readProgram(range, maxStep); }, &r);
    if (status != kOk)
        return status;
    ProgramStore store;
    plc::applyKeyRead(r, store);
    return saveRead(job, store);
}

int runClear(PlcJob& job)
{
    return connectAndRun(job,
                         [](plc::PlcSession& s) { return s.clearOrCopy(plc::ClearCopyOp::Clear); });
}

int runCopy(PlcJob& job)
{
    const QString direction = job.operands[0];
    plc::ClearCopyOp op = plc::ClearCopyOp::EepromToRam;
    if (direction == u"ram-to-eeprom")
        op = plc::ClearCopyOp::RamToEeprom;
    else if (direction != u"eeprom-to-ram")
        return usageError(
            job.io, kName,
            QStringLiteral("copy goes eeprom-to-ram or ram-to-eeprom, not \"%1\"").arg(direction));
    job.io.err << "注意！此操作只有在CPU存储器设置为EEPROM状态下有效，如CPU存储器开关位于RAM位置，"
                  "请关闭PLC电源将CPU存储器开关拨到EEPROM位置，然后再接通PLC电源执行操作。\n";
    return connectAndRun(job, [op](plc::PlcSession& s) { return s.clearOrCopy(op); });
}

int runHighSpeedWrite(PlcJob& job)
{
    ProgramStore store;
    if (!loadProgram(job, store))
        return kUsageOrInput;
    return connectAndRun(job, [&](plc::PlcSession& s) { return s.highSpeedWrite(store); });
}

int runHighSpeedRead(PlcJob& job)
{
    if (!checkOut(job))
        return kUsageOrInput;
    const int model = job.model;
    plc::SequenceResult r;
    const int status = connectAndRun(
        job, [model](plc::PlcSession& s) { return s.highSpeedRead(model); }, &r);
    if (status != kOk)
        return status;
    ProgramStore store;
    plc::applyHighSpeedRead(r, store);
    return saveRead(job, store);
}

int runVerify(PlcJob& job)
{
    ProgramStore store;
    if (!loadProgram(job, store))
        return kUsageOrInput;
    PlcRunner runner(job.args.option(kPort), kName, job.io);
    if (const int status = runner.connect(); status != kOk)
        return status;
    const plc::SequenceResult r = runner.run([&](plc::PlcSession& s) { return s.verify(store); });
    if (const int status = runner.status(r); status != kOk)
        return status;
    auto side = [](const QString& text) { return text.isEmpty() ? QStringLiteral("-") : text; };
    for (const plc::StepDifference& d : r.differences)
        job.io.out << stepNumber(d.step) << "  PC " << side(d.pc).leftJustified(10) << "  PLC "
                   << side(d.plc) << "\n";
    job.io.out << r.message << "\n";
    return r.differences.empty() ? kOk : kFaultsFound;
}

int runMode(PlcJob& job, bool running)
{
    const int status =
        connectAndRun(job, [running](plc::PlcSession& s) { return s.setRunMode(running); });
    if (status == kOk)
        job.io.out << (running ? QStringLiteral("运行") : QStringLiteral("停止")) << "\n";
    return status;
}

int runMonitor(PlcJob& job)
{
    const QString node = plc::deviceNodeText(job.operands[0]);
    if (node.isEmpty())
        return usageError(job.io, kName,
                          QStringLiteral("\"%1\" is no device of the monitor (027, X027, D712)")
                              .arg(job.operands[0]));
    const std::optional<int> count = intOption(job.args, kCount, 1, 1000000000, 0, kName, job.io);
    if (!count)
        return kUsageOrInput;
    PlcRunner runner(job.args.option(kPort), kName, job.io);
    if (const int status = runner.connect(); status != kOk)
        return status;
    const plc::SequenceResult watched =
        runner.run([&](plc::PlcSession& s) { return s.watchDevice(node); });
    if (const int status = runner.status(watched); status != kOk)
        return status;
    bool timedOut = false;
    // Without --count it polls until interrupted.
    for (int i = 0; (*count == 0 || i < *count) && !runner.interrupted(); ++i) {
        const plc::SequenceResult r =
            runner.run([&](plc::PlcSession& s) { return s.pollDevice(watched.monDev); });
        if (r.outcome == plc::SequenceOutcome::LinkFailed)
            return runner.status(r);
        if (!r.ok()) {
            job.io.out << "Error\n";
            timedOut = true;
        } else {
            const QString number = r.display.num.isEmpty() ? QStringLiteral("-") : r.display.num;
            job.io.out << number << (r.deviceOn ? " on" : " off") << "\n";
        }
        job.io.out.flush();
    }
    return timedOut ? kFaultsFound : kOk;
}

const std::vector<Subcommand>& subcommands()
{
    static const std::vector<Subcommand> list{
        {QStringLiteral("keys"), -1, {}, runKeys},
        {QStringLiteral("write"), 1, {kModel, kFrom, kTo}, runWrite},
        {QStringLiteral("read"), 1, {kModel, kFrom, kTo, kDest, kAll}, runRead},
        {QStringLiteral("clear"), 0, {kModel}, runClear},
        {QStringLiteral("copy"), 1, {kModel}, runCopy},
        {QStringLiteral("hs-write"), 1, {kModel}, runHighSpeedWrite},
        {QStringLiteral("hs-read"), 1, {kModel}, runHighSpeedRead},
        {QStringLiteral("verify"), 1, {kModel}, runVerify},
        {QStringLiteral("run"), 0, {kModel}, [](PlcJob& job) { return runMode(job, true); }},
        {QStringLiteral("stop"), 0, {kModel}, [](PlcJob& job) { return runMode(job, false); }},
        {QStringLiteral("monitor"), 1, {kModel, kCount}, runMonitor},
    };
    return list;
}

int runPlc(const QStringList& args, Io& io)
{
    const std::optional<CliArgs> parsed =
        parseArgs(args, {kPort, kModel, kFrom, kTo, kDest, kCount}, kName, io, {kAll});
    if (!parsed)
        return kUsageOrInput;
    if (!parsed->has(kPort) || parsed->option(kPort).trimmed().isEmpty())
        return usageError(io, kName, QStringLiteral("--port PORT is required"));
    if (parsed->positional.isEmpty())
        return usageError(io, kName, QStringLiteral("expected a command"));
    const QString name = parsed->positional.first();
    const auto& list = subcommands();
    const auto found =
        std::find_if(list.begin(), list.end(), [&](const Subcommand& c) { return c.name == name; });
    if (found == list.end())
        return usageError(io, kName, QStringLiteral("unknown command \"%1\"").arg(name));
    PlcJob job{*parsed, parsed->positional.mid(1), 0, parsed->has(kModel), io};
    for (auto it = parsed->options.keyBegin(); it != parsed->options.keyEnd(); ++it) {
        if (*it != kPort && !found->options.contains(*it))
            return usageError(io, kName, QStringLiteral("%1 does not apply to %2").arg(*it, name));
    }
    const qsizetype wanted = found->operands;
    if ((wanted < 0 && job.operands.isEmpty()) || (wanted >= 0 && job.operands.size() != wanted))
        return usageError(io, kName, QStringLiteral("wrong number of arguments for %1").arg(name));
    const std::optional<int> model = intOption(*parsed, kModel, 0, 1, 0, kName, io);
    if (!model)
        return kUsageOrInput;
    job.model = *model;
    return found->run(job);
}

const CommandRegistration reg{{
    kName,
    QStringLiteral("talk to the controller: keys, write, read, clear, copy, high speed, monitor"),
    QStringLiteral(
        "Usage: ladrix-cli plc --port PORT [--model 0|1] COMMAND [ARGS...]\n\n"
        "PORT is a device path (/dev/ttyUSB0, /dev/pts/3), a port number (the n-th serial\n"
        "port) or sim for the built-in simulated controller. --model 1 is the second model\n"
        "(steps 0 to 1999 and its high-speed codes); 0 by default, or a project's own model.\n\n"
        "Commands:\n"
        "  keys CODE...      sends each decimal key code in turn and prints the code, the\n"
        "                    instruction field (- when empty) and the number field, or the\n"
        "                    code and Error when no reply came (no connection handshake)\n"
        "  write FILE [--from N] [--to N]\n"
        "                    writes the program of FILE (.lrp or .ins) by keys, from step N\n"
        "                    (0) to its END step, or to --to\n"
        "  read OUT [--from N] [--to N] [--dest N] [--all]\n"
        "                    reads controller steps --from (0) to --to (the last step) by\n"
        "                    keys, stopping after END unless --all, into OUT (.ins, or .lrp: a\n"
        "                    new project named after OUT) from step --dest (0) on\n"
        "  clear             clears the controller's program\n"
        "  copy eeprom-to-ram | copy ram-to-eeprom\n"
        "                    copies the program (the EEPROM switch warning is printed)\n"
        "  hs-write FILE     writes steps 0 to END at high speed\n"
        "  hs-read OUT       reads the program at high speed into OUT\n"
        "  verify FILE       reads the program at high speed and prints each step that\n"
        "                    differs from FILE (step, PC, PLC), or 程序一致\n"
        "  run, stop         switches the controller to MONITOR or PROGRAM mode\n"
        "  monitor DEVICE [--count N]\n"
        "                    watches a device (027, X027, D712) and prints its number field\n"
        "                    and on or off per poll, N times or until interrupted\n\n"
        "Every command but keys first sends 166 and CLEAR; without an answer it stops there.\n"
        "Keys go out at least 60 ms apart; a reply later than 630 ms is a time-out. Progress\n"
        "goes to stderr (a bar on a terminal), results to stdout. Ctrl-C stops a transfer\n"
        "after its current step.\n\n"
        "Exit status: 0 done, 1 the controller did not answer, refused a step or holds another\n"
        "program (verify), or the transfer was stopped; 2 bad usage, an unreadable FILE, an\n"
        "OUT that cannot be written or a port that cannot be opened or failed on the way. No\n"
        "OUT is written unless the read succeeded.\n"),
    runPlc,
}};

} // namespace
} // namespace ladrix::cli
