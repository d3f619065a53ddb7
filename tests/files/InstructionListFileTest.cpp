#include "FileTestSupport.h"
#include "files/ProjectFiles.h"

#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::testing;

namespace {

class InstructionListFileTest : public ::testing::Test {
protected:
    TempFolder m_files;
    ProgramStore m_store;
};

} // namespace

TEST_F(InstructionListFileTest, HoldsTwoThousandPairsAndNothingElse)
{
    m_store.projectName = "not written";
    m_store.step(0) = Step{"LD", "X0", "comment"};
    m_store.step(1) = Step{"OUT", "T50", ""};
    m_store.step(2) = Step{"K", "100", ""};
    m_store.step(2000) = Step{"NOP", "", ""};
    ASSERT_TRUE(saveInstructionList(m_files.path("p.ins"), m_store));
    const QList<QByteArray> lines = m_files.lines("p.ins");
    ASSERT_EQ(lines.size(), 4000);
    EXPECT_EQ(lines.mid(0, 7), QList<QByteArray>({"LD", "X0", "OUT", "T50", "K", "100", ""}));
    EXPECT_EQ(lines.count(QByteArray()), 4000 - 6);
    EXPECT_EQ(m_store.projectName, "not written");
    EXPECT_TRUE(m_store.projectFile.isEmpty());
}

TEST_F(InstructionListFileTest, OpeningReplacesPairsAndKeepsCommentsModelAndName)
{
    ProgramStore source;
    RandomProgram(99).fill(source);
    ASSERT_TRUE(saveInstructionList(m_files.path("r.ins"), source));

    m_store.plcType = 1;
    m_store.projectName = "mine";
    m_store.step(5).rem = "motor";
    m_store.step(2000) = Step{"END", "", "tail"};
    ASSERT_TRUE(openInstructionList(m_files.path("r.ins"), m_store));
    for (int i = 0; i < ProgramStore::kFileSteps; ++i) {
        ASSERT_EQ(m_store.step(i).ins, source.step(i).ins) << i;
        ASSERT_EQ(m_store.step(i).data, source.step(i).data) << i;
    }
    EXPECT_EQ(m_store.step(5).rem, "motor");
    EXPECT_EQ(m_store.step(2000), (Step{"END", "", "tail"}));
    EXPECT_EQ(m_store.plcType, 1);
    EXPECT_EQ(m_store.projectName, "mine");

    EXPECT_EQ(openInstructionList(m_files.path("gone.ins"), m_store).number, 53);
    EXPECT_EQ(m_store.step(5).rem, "motor");
    EXPECT_EQ(m_store.step(0).ins, source.step(0).ins);
}

TEST_F(InstructionListFileTest, ReadsTextsAsTheyStandWithoutCaseChange)
{
    m_store.step(2) = Step{"OLD", "M100", ""};
    const FileStatus status =
        openInstructionList(m_files.write("l.ins", "ld\r\nx0\r\n  out \r\ny30\r\n"), m_store);
    EXPECT_TRUE(status.truncated);
    EXPECT_EQ(stepsOf(m_store, 3), QStringList({"ld,x0,", "out ,y30,", "OLD,M100,"}));
}

TEST_F(InstructionListFileTest, BlockFileHoldsTheMarkedStepsAndInsertsBack)
{
    for (int i = 0; i < 20; ++i)
        m_store.step(i) = Step{"LD", "X" + QString::number(i), ""};
    // Without a head the block runs from step 0; a tail before the head gives an empty file.
    const struct {
        int start, end;
        QList<QByteArray> lines;
    } rows[] = {
        {10, 12, {"LD", "X10", "LD", "X11", "LD", "X12"}}, {-1, 0, {"LD", "X0"}}, {5, 2, {}}};
    for (const auto& row : rows) {
        m_store.blockStart = row.start;
        m_store.blockEnd = row.end;
        const QString name = QString("b%1.ins").arg(row.start);
        ASSERT_TRUE(saveBlock(m_files.path(name), m_store));
        EXPECT_TRUE(QFileInfo::exists(m_files.path(name)));
        EXPECT_EQ(m_files.lines(name), row.lines) << row.start;
    }

    QList<StepPair> pairs;
    ASSERT_TRUE(readStepPairs(m_files.path("b10.ins"), pairs));
    m_store.curStep = 3;
    insertSteps(m_store, pairs);
    EXPECT_EQ(stepsOf(m_store, 7), QStringList({"LD,X0,", "LD,X1,", "LD,X2,", "LD,X10,", "LD,X11,",
                                                "LD,X12,", "LD,X3,"}));
}

TEST_F(InstructionListFileTest, InsertReadingKeepsAtMost2001PairsAndAHalfPair)
{
    QByteArray bytes;
    for (int i = 0; i < 2100; ++i)
        bytes += "LD\r\nX" + QByteArray::number(i) + "\r\n";
    QList<StepPair> pairs;
    const FileStatus status = readStepPairs(m_files.write("long.ins", bytes), pairs);
    ASSERT_TRUE(status);
    EXPECT_FALSE(status.message.isEmpty());
    ASSERT_EQ(pairs.size(), 2001);
    EXPECT_EQ(pairs.last(), (StepPair{"LD", "X2000"}));

    ASSERT_TRUE(readStepPairs(m_files.write("odd.ins", "LD,X0\r\nEND\r\n"), pairs));
    EXPECT_EQ(pairs, QList<StepPair>({{"LD", "X0"}, {"END", ""}}));

    EXPECT_EQ(readStepPairs(m_files.path("missing.ins"), pairs).number, 53);
    EXPECT_EQ(pairs.size(), 2);
}

TEST(LadderFile, EmptyLadderIsFiftyThousandLinesOfZerosAndBlanks)
{
    TempFolder files;
    ASSERT_TRUE(saveLadder(files.path("e.lad"), LadderGrid()));
    const QList<QByteArray> lines = files.lines("e.lad");
    ASSERT_EQ(lines.size(), 50005);
    for (int i = 0; i < lines.size(); ++i)
        ASSERT_EQ(lines[i], i % 5 < 3 ? QByteArray(" 0 ") : QByteArray()) << "line " << i;
}

TEST(LadderFile, RoundTripKeepsEveryCellAndAShortFileTheCellsNotRead)
{
    TempFolder files;
    LadderGrid grid;
    RandomProgram(5).fill(grid);
    grid.cell(10000) = Cell{kStepContact, kLinkDown, kPlainEdge, "S600", QStringLiteral("步")};
    ASSERT_TRUE(saveLadder(files.path("r.lad"), grid));
    LadderGrid back;
    const FileStatus status = openLadder(files.path("r.lad"), back);
    ASSERT_TRUE(status);
    EXPECT_TRUE(status.message.isEmpty());
    EXPECT_EQ(back, grid);

    const QString shortFile = files.write("s.lad", " 1 \r\n 6 \r\n 7 \r\nX0\r\n\r\n 3 \r\n");
    back.cell(2).dev = "keep";
    EXPECT_TRUE(openLadder(shortFile, back).truncated);
    EXPECT_EQ(back.cell(0), (Cell{kContact, kPlainEdge, kLinkDown, "X0", ""}));
    EXPECT_EQ(back.cell(1).type, kCoil);
    EXPECT_EQ(back.cell(1).left, grid.cell(1).left);
    EXPECT_EQ(back.cell(2).dev, "keep");
}
