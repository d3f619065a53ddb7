#include "CliProgramFile.h"

#include "CliArgs.h"

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

} // namespace ladrix::cli
