#include "ClassicTextReader.h"
#include "FileAccess.h"
#include "FileRecords.h"
#include "ProjectFiles.h"

namespace ladrix {

FileStatus saveInstructionList(const QString& path, const ProgramStore& store)
{
    return writeFields(path, kLinesPerStep * ProgramStore::kFileSteps,
                       [&](ClassicTextWriter& writer) { writePairs(writer, filePairs(store)); });
}

FileStatus openInstructionList(const QString& path, ProgramStore& store)
{
    QList<StepPair> pairs = filePairs(store);
    const FileStatus status =
        readFields(path, [&](ClassicTextReader& reader) { return readPairs(reader, pairs); });
    if (status)
        applyFilePairs(pairs, store);
    return status;
}

FileStatus saveBlock(const QString& path, const ProgramStore& store)
{
    const QList<StepPair> pairs = blockPairs(store);
    return writeFields(path, kLinesPerStep * pairs.size(),
                       [&](ClassicTextWriter& writer) { writePairs(writer, pairs); });
}

FileStatus readStepPairs(const QString& path, QList<StepPair>& pairs)
{
    QList<StepPair> read;
    const FileStatus status = readFields(path, [&](ClassicTextReader& reader) {
        StepPair pair;
        // The file simply ends after its last pair; further pairs than a program holds are left.
        while (read.size() < ProgramStore::kSize && reader.readText(pair.ins)) {
            pair.data.clear();
            reader.readText(pair.data);
            read.append(pair);
        }
        return true;
    });
    if (status)
        pairs = std::move(read);
    return status;
}

} // namespace ladrix
