// `ladrix-cli print`: the printouts of the desktop program, rendered to PDF. Built only with
// the windows, whose printing it shares.
#include "cli/CliArgs.h"
#include "cli/CliProgramFile.h"
#include "cli/CommandRegistry.h"

#include "app/InsListPrintout.h"
#include "app/LadderPrintout.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryFile>

namespace ladrix::cli {

namespace {

const QString kName = QStringLiteral("print");

// The printout goes to a scratch file beside OUT, which replaces OUT only once it is complete.
bool printTo(const QString& out, bool ladder, const ProgramStore& store, const LadderGrid& grid,
             Io& io)
{
    QTemporaryFile scratch(QFileInfo(out).absoluteDir().filePath(QStringLiteral("XXXXXX.pdf")));
    if (!scratch.open()) {
        io.err << "ladrix-cli print: " << out << " cannot be written: " << scratch.errorString()
               << "\n";
        return false;
    }
    scratch.close();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(scratch.fileName());
    QString error;
    const bool printed = ladder
                             ? LadderPrintout(store.projectName, grid, QDateTime::currentDateTime())
                                   .print(printer, error)
                             : InsListPrintout(store).print(printer, error);
    if (!printed) {
        io.err << "ladrix-cli print: " << error << "\n";
        return false;
    }
    QFile::remove(out);
    if (!scratch.rename(out)) {
        io.err << "ladrix-cli print: " << out << " cannot be written: " << scratch.errorString()
               << "\n";
        return false;
    }
    scratch.setAutoRemove(false);
    return true;
}

int runPrint(const QStringList& arguments, Io& io)
{
    const std::optional<CliArgs> args =
        parseArgs(arguments, {}, kName, io, {QStringLiteral("--ladder")});
    if (!args)
        return kUsageOrInput;
    if (args->positional.size() != 2)
        return usageError(io, kName, QStringLiteral("give IN and OUT.pdf"));
    const QString in = args->positional[0];
    const QString out = args->positional[1];
    if (!out.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return usageError(io, kName, QStringLiteral("OUT must be a .pdf file"));
    const bool ladder = args->has(QStringLiteral("--ladder"));
    const QString name = QFileInfo(in).completeBaseName();
    ProgramStore store;
    LadderGrid grid;
    const bool loaded =
        ladder ? loadSource(in, {FileKind::Project, FileKind::Ladder}, name, kName, store, grid, io)
               : loadSource(in, {FileKind::Project, FileKind::InstructionList, FileKind::Zk1}, name,
                            kName, store, grid, io);
    if (!loaded)
        return kUsageOrInput;
    return printTo(out, ladder, store, grid, io) ? kOk : kUsageOrInput;
}

const CommandRegistration registration{{
    kName,
    QStringLiteral("print the instruction list or the ladder to a PDF file"),
    QStringLiteral(
        "Usage: ladrix-cli print [--ladder] IN OUT.pdf\n\n"
        "Renders the printout the desktop program sends to the printer into OUT.pdf (A4):\n"
        "the instruction list of IN (.lrp, .ins or .zk1) from step 0 to the END step, four\n"
        "columns a page, or with --ladder the ladder of IN (.lrp or .lad), 25 rows a page up\n"
        "to the END box. The header names the project (a file that is not a project is named\n"
        "after itself). OUT is replaced only once it is complete.\n\n"
        "Exit status: 0 printed, 2 bad usage, unreadable IN or OUT not writable.\n"),
    runPrint,
}};

} // namespace

} // namespace ladrix::cli
