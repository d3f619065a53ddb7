#include "FileHarness.h"

#include "FuzzSupport.h"

#include "core/RuntimeError.h"

namespace ladrix::fuzz {

namespace {

constexpr int kTypeMismatch = 13;

bool isElementCode(qint16 c)
{
    return c == kEmpty || c == kContact || c == kClosedContact || c == kCoil || c == kFunctionBox ||
           c == kLine || c == kStepContact;
}

bool isEdgeCode(qint16 c)
{
    return c == kNoEdge || c == kPlainEdge || c == kLinkDown;
}

} // namespace

void checkReadStatus(const FileStatus& status)
{
    FUZZ_CHECK(status.ok);
    FUZZ_CHECK(status.number == 0 || status.number == kTypeMismatch ||
               status.number == RuntimeError::InputPastEndOfFile);
    FUZZ_CHECK(status.truncated == (status.number == RuntimeError::InputPastEndOfFile));
}

void checkText(const QString& text)
{
    FUZZ_CHECK(text.size() <= ClassicTextReader::kMaxFieldLength);
    FUZZ_CHECK(!text.contains(u'\r') && !text.contains(u'\n'));
}

void checkPair(const StepPair& pair)
{
    checkText(pair.ins);
    checkText(pair.data);
}

void checkCell(const Cell& cell)
{
    FUZZ_CHECK(isElementCode(cell.type));
    FUZZ_CHECK(isEdgeCode(cell.left) && isEdgeCode(cell.right));
    checkText(cell.dev);
    checkText(cell.data);
}

qsizetype usedPairs(const QList<StepPair>& pairs, qsizetype count)
{
    while (count > 0 && pairs[count - 1] == StepPair{})
        --count;
    return count;
}

int usedCells(const LadderGrid& grid, int count)
{
    while (count > 0 && grid.cell(count - 1) == Cell{})
        --count;
    return count;
}

void clearFirst(QList<StepPair>& pairs, qsizetype count)
{
    for (qsizetype i = 0; i < count; ++i)
        pairs[i] = StepPair{};
}

QList<StepPair> throughGbk(const QList<StepPair>& pairs)
{
    QList<StepPair> result = pairs;
    for (StepPair& pair : result) {
        pair.ins = throughGbk(pair.ins);
        pair.data = throughGbk(pair.data);
    }
    return result;
}

Cell throughGbk(const Cell& cell)
{
    Cell result = cell;
    result.dev = throughGbk(cell.dev);
    result.data = throughGbk(cell.data);
    return result;
}

MemoryReader::MemoryReader(const QByteArray& bytes)
{
    m_buffer.setData(bytes);
    m_buffer.open(QIODevice::ReadOnly);
}

} // namespace ladrix::fuzz
