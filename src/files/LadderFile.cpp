#include "ClassicTextReader.h"
#include "FileAccess.h"
#include "FileRecords.h"
#include "ProjectFiles.h"

namespace ladrix {

FileStatus saveLadder(const QString& path, const LadderGrid& grid)
{
    return writeFields(path, kGridLines,
                       [&](ClassicTextWriter& writer) { writeCells(writer, grid); });
}

FileStatus openLadder(const QString& path, LadderGrid& grid)
{
    LadderGrid cells = grid;
    const FileStatus status =
        readFields(path, [&](ClassicTextReader& reader) { return readCells(reader, cells); });
    if (status)
        grid = std::move(cells);
    return status;
}

} // namespace ladrix
