#include "ClassicTextReader.h"
#include "ClassicTextWriter.h"
#include "FileAccess.h"
#include "FileRecords.h"
#include "ProjectFiles.h"

#include "core/TextHelpers.h"

#include <QCoreApplication>

namespace ladrix {

namespace {

// The name and the model, then the steps and the cells.
constexpr qsizetype kProjectLines = 2 + kLinesPerStep * ProgramStore::kFileSteps + kGridLines;

// The name a project takes from its file; paths without a usable base name keep `fallback`.
QString nameFromPath(const QString& path, const QString& fallback)
{
    const QString name = baseNameOf(path);
    return name.isEmpty() ? fallback : name;
}

} // namespace

FileStatus saveProject(const QString& path, ProgramStore& store, const LadderGrid& grid)
{
    const FileStatus status = writeFields(path, kProjectLines, [&](ClassicTextWriter& writer) {
        writer.writeText(store.projectName);
        writer.writeInteger(store.plcType);
        writePairs(writer, filePairs(store));
        writeCells(writer, grid);
    });
    if (status) {
        store.projectName = nameFromPath(path, store.projectName);
        store.projectFile = path;
    }
    return status;
}

FileStatus openProject(const QString& path, ProgramStore& store, LadderGrid& grid,
                       QString& storedName)
{
    QString name;
    qint16 plcType = qint16(store.plcType);
    QList<StepPair> pairs = filePairs(store);
    LadderGrid cells = grid;
    const FileStatus status = readFields(path, [&](ClassicTextReader& reader) {
        if (!reader.readText(name))
            return false;
        const qint16 before = plcType;
        if (!reader.readInteger(plcType))
            return false;
        if (plcType != 0 && plcType != 1) {
            plcType = before;
            reader.countDamaged();
        }
        return readPairs(reader, pairs) && readCells(reader, cells);
    });
    if (!status)
        return status;
    storedName = name;
    store.plcType = plcType;
    applyFilePairs(pairs, store);
    grid = std::move(cells);
    store.projectFile = path;
    store.projectName = nameFromPath(
        path, name.isEmpty() ? QCoreApplication::translate("ProjectFile", "新工程") : name);
    return status;
}

FileStatus openProject(const QString& path, ProgramStore& store, LadderGrid& grid)
{
    QString storedName;
    return openProject(path, store, grid, storedName);
}

} // namespace ladrix
