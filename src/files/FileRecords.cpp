#include "FileRecords.h"

#include "ClassicTextReader.h"
#include "ClassicTextWriter.h"

namespace ladrix {

namespace {

bool isElementCode(qint16 code)
{
    switch (code) {
    case kEmpty:
    case kContact:
    case kClosedContact:
    case kCoil:
    case kFunctionBox:
    case kLine:
    case kStepContact:
        return true;
    default:
        return false;
    }
}

bool isEdgeCode(qint16 code)
{
    return code == kNoEdge || code == kPlainEdge || code == kLinkDown;
}

// A code the grid does not know is damage: the cell keeps its code, so views never meet it.
bool readCode(ClassicTextReader& reader, qint16& code, bool (*known)(qint16))
{
    qint16 read = code;
    if (!reader.readInteger(read))
        return false;
    if (known(read))
        code = read;
    else
        reader.countDamaged();
    return true;
}

} // namespace

QList<StepPair> filePairs(const ProgramStore& store)
{
    QList<StepPair> pairs;
    pairs.reserve(ProgramStore::kFileSteps);
    for (int i = 0; i < ProgramStore::kFileSteps; ++i)
        pairs.append(StepPair{store.step(i).ins, store.step(i).data});
    return pairs;
}

void applyFilePairs(const QList<StepPair>& pairs, ProgramStore& store)
{
    for (int i = 0; i < ProgramStore::kFileSteps && i < pairs.size(); ++i) {
        store.step(i).ins = pairs[i].ins;
        store.step(i).data = pairs[i].data;
    }
}

void writePairs(ClassicTextWriter& writer, const QList<StepPair>& pairs)
{
    for (const StepPair& pair : pairs) {
        writer.writeText(pair.ins);
        writer.writeText(pair.data);
    }
}

void writeCell(ClassicTextWriter& writer, const Cell& cell)
{
    writer.writeInteger(cell.type);
    writer.writeInteger(cell.left);
    writer.writeInteger(cell.right);
    writer.writeText(cell.dev);
    writer.writeText(cell.data);
}

void writeCells(ClassicTextWriter& writer, const LadderGrid& grid)
{
    for (int i = 0; i <= LadderGrid::kLastIndex; ++i)
        writeCell(writer, grid.cell(i));
}

bool readPairs(ClassicTextReader& reader, QList<StepPair>& pairs)
{
    for (StepPair& pair : pairs) {
        if (!reader.readText(pair.ins) || !reader.readText(pair.data))
            return false;
    }
    return true;
}

bool readCell(ClassicTextReader& reader, Cell& cell)
{
    return readCode(reader, cell.type, isElementCode) && readCode(reader, cell.left, isEdgeCode) &&
           readCode(reader, cell.right, isEdgeCode) && reader.readText(cell.dev) &&
           reader.readText(cell.data);
}

bool readCells(ClassicTextReader& reader, LadderGrid& grid)
{
    for (int i = 0; i <= LadderGrid::kLastIndex; ++i) {
        if (!readCell(reader, grid.cell(i)))
            return false;
    }
    return true;
}

} // namespace ladrix
