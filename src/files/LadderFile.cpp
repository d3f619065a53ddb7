#include "ClassicTextReader.h"
#include "FileAccess.h"
#include "FileRecords.h"
#include "ProjectFiles.h"

#include "core/RuntimeError.h"

#include <QCoreApplication>
#include <QDir>

namespace ladrix {

FileStatus saveLadder(const QString& path, const LadderGrid& grid)
{
    return writeFields(path, kGridLines,
                       [&](ClassicTextWriter& writer) { writeCells(writer, grid); });
}

FileStatus openLadder(const QString& path, LadderGrid& grid)
{
    LadderGrid cells = grid;
    qsizetype lines = 0;
    const FileStatus status = readFields(path, [&](ClassicTextReader& reader) {
        const bool complete = readCells(reader, cells);
        lines = reader.fieldsRead();
        return complete;
    });
    // Read as cells, an instruction list would fill the grid's first cells with its mnemonics.
    if (status.truncated && lines == kLinesPerStep * ProgramStore::kFileSteps)
        return FileStatus::failure(
            RuntimeError::InputPastEndOfFile,
            QCoreApplication::translate(
                "LadderFile",
                "文件 %1 不是梯形图文件：它有 %2 行，是指令表文件的行数。梯形图保持原样。")
                .arg(QDir::toNativeSeparators(path))
                .arg(lines));
    if (status)
        grid = std::move(cells);
    return status;
}

} // namespace ladrix
