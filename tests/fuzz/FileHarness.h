#pragma once

#include "core/LadderGrid.h"
#include "core/StepEditing.h"
#include "files/ClassicTextReader.h"
#include "files/ClassicTextWriter.h"
#include "files/ProjectFiles.h"

#include <QBuffer>
#include <QList>

// What the file harnesses share: the checks on what a read may give, and the file a writer
// built opened for reading again.
namespace ladrix::fuzz {

// A readable file always opens: damage and early ends are warnings on what was read.
void checkReadStatus(const FileStatus& status);
// A text read from a file holds no line break and no more than the reader's longest field.
void checkText(const QString& text);
void checkPair(const StepPair& pair);
// Whatever a file held, the grid only carries codes the views know.
void checkCell(const Cell& cell);

// One past the last of the first `count` pairs or cells that holds something.
qsizetype usedPairs(const QList<StepPair>& pairs, qsizetype count);
int usedCells(const LadderGrid& grid, int count);

// Empties the first `count` pairs (see clearFirst for cells).
void clearFirst(QList<StepPair>& pairs, qsizetype count);

QList<StepPair> throughGbk(const QList<StepPair>& pairs);
Cell throughGbk(const Cell& cell);

// Bytes in memory as the readers of files take them.
class MemoryReader final {
    Q_DISABLE_COPY_MOVE(MemoryReader)

public:
    explicit MemoryReader(const QByteArray& bytes);
    ClassicTextReader& reader() { return m_reader; }

private:
    QBuffer m_buffer;
    ClassicTextReader m_reader{m_buffer};
};

} // namespace ladrix::fuzz
