#include "CliInOut.h"

#include "CliArgs.h"
#include "CliProgramFile.h"

#include "core/TextHelpers.h"

namespace ladrix::cli {

std::optional<InOut> parseInOut(const QStringList& args, const QString& command, Io& io,
                                const std::function<bool(FileKind, FileKind)>& accepts,
                                const std::function<bool(FileKind, FileKind)>& modelApplies,
                                const QString& modelHint)
{
    const QString modelOption = QStringLiteral("--model");
    const std::optional<CliArgs> parsed = parseArgs(args, {modelOption}, command, io);
    if (!parsed)
        return std::nullopt;
    auto refuse = [&](const QString& message) {
        usageError(io, command, message);
        return std::nullopt;
    };
    if (parsed->positional.size() != 2)
        return refuse(QStringLiteral("expected IN and OUT"));
    InOut result;
    result.in = parsed->positional[0];
    result.out = parsed->positional[1];
    result.from = fileKindOf(result.in);
    result.to = fileKindOf(result.out);
    if (!accepts(result.from, result.to))
        return refuse(QStringLiteral("cannot write \"%1\" from \"%2\"").arg(result.out, result.in));
    if (parsed->options.contains(modelOption)) {
        if (!modelApplies(result.from, result.to))
            return refuse(QStringLiteral("--model applies only when ") + modelHint);
        const QString model = parsed->option(modelOption);
        if (model != u"0" && model != u"1")
            return refuse(QStringLiteral("--model must be 0 or 1"));
        result.model = model.toInt();
    }
    return result;
}

bool loadIn(const InOut& files, const QString& command, ProgramStore& store, LadderGrid& grid,
            Io& io)
{
    store.plcType = files.model;
    return loadSource(files.in, {files.from}, baseNameOf(files.out), command, store, grid, io);
}

bool saveOut(const QString& out, const QString& command, ProgramStore& store,
             const LadderGrid& grid, Io& io)
{
    return reportFileStatus(saveProgramFile(out, store, grid), command, io);
}

} // namespace ladrix::cli
