#include "CliProgramFile.h"

#include "CliArgs.h"

#include "files/CommentFile.h"

#include <algorithm>

namespace ladrix::cli {

QString extensionList(std::initializer_list<FileKind> kinds)
{
    QStringList names;
    for (FileKind kind : kinds)
        names << extensionOf(kind);
    return names.join(QStringLiteral(", "));
}

bool reportFileStatus(const FileStatus& status, const QString& command, Io& io)
{
    if (!status) {
        io.err << "ladrix-cli " << command << ": " << status.message << "\n";
        return false;
    }
    if (!status.message.isEmpty())
        io.err << "ladrix-cli " << command << ": warning: " << status.message << "\n";
    return true;
}

bool loadProgramArgument(const QString& path, std::initializer_list<FileKind> accepted,
                         const QString& command, ProgramStore& store, LadderGrid& grid, Io& io)
{
    const FileKind kind = fileKindOf(path);
    if (kind == FileKind::Unknown ||
        std::find(accepted.begin(), accepted.end(), kind) == accepted.end()) {
        usageError(io, command,
                   QStringLiteral("\"%1\" is not a %2 file").arg(path, extensionList(accepted)));
        return false;
    }
    return reportFileStatus(loadProgramFile(path, store, grid), command, io);
}

bool loadOnlyArgument(const QStringList& args, std::initializer_list<FileKind> accepted,
                      const QString& command, ProgramStore& store, LadderGrid& grid, Io& io)
{
    const std::optional<CliArgs> parsed = parseArgs(args, {}, command, io);
    if (!parsed)
        return false;
    if (parsed->positional.size() != 1) {
        usageError(io, command, QStringLiteral("expected one FILE"));
        return false;
    }
    return loadProgramArgument(parsed->positional.first(), accepted, command, store, grid, io);
}

bool loadSource(const QString& path, std::initializer_list<FileKind> accepted,
                const QString& newName, const QString& command, ProgramStore& store,
                LadderGrid& grid, Io& io)
{
    const bool project =
        fileKindOf(path) == FileKind::Project &&
        std::find(accepted.begin(), accepted.end(), FileKind::Project) != accepted.end();
    if (!project) {
        if (!loadProgramArgument(path, accepted, command, store, grid, io))
            return false;
        store.projectName = newName;
        return true;
    }
    QString storedName;
    if (!reportFileStatus(openProject(path, store, grid, storedName), command, io))
        return false;
    store.projectName = storedName;
    // Comments that cannot be read leave the project without them: a warning, not a failure.
    if (const FileStatus comments = loadComments(path, FileKind::Project, store);
        !comments.message.isEmpty())
        io.err << "ladrix-cli " << command << ": warning: " << comments.message << "\n";
    return true;
}

} // namespace ladrix::cli
