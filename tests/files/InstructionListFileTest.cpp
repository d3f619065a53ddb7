#include "FileTestSupport.h"
#include "files/ProjectFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::testing;

namespace {

class InstructionListFileTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
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
    ASSERT_TRUE(saveInstructionList(path("p.ins"), m_store));
    const QList<QByteArray> lines = crlfLines(readBytes(path("p.ins")));
    ASSERT_EQ(lines.size(), 4000);
    EXPECT_EQ(lines.mid(0, 7), QList<QByteArray>({"LD", "X0", "OUT", "T50", "K", "100", ""}));
    EXPECT_EQ(lines.count(QByteArray()), 4000 - 6);
    EXPECT_EQ(m_store.projectName, "not written");
    EXPECT_TRUE(m_store.projectFile.isEmpty());
}

TEST_F(InstructionListFileTest, OpeningKeepsCommentsModelAndName)
{
    RandomProgram random(99);
    ProgramStore source;
    random.fill(source);
    ASSERT_TRUE(saveInstructionList(path("r.ins"), source));

    m_store.plcType = 1;
    m_store.projectName = "mine";
    m_store.step(5).rem = "motor";
    m_store.step(2000) = Step{"END", "", "tail"};
    ASSERT_TRUE(openInstructionList(path("r.ins"), m_store));
    for (int i = 0; i < ProgramStore::kFileSteps; ++i) {
        ASSERT_EQ(m_store.step(i).ins, source.step(i).ins) << i;
        ASSERT_EQ(m_store.step(i).data, source.step(i).data) << i;
    }
    EXPECT_EQ(m_store.step(5).rem, "motor");
    EXPECT_EQ(m_store.step(2000), (Step{"END", "", "tail"}));
    EXPECT_EQ(m_store.plcType, 1);
    EXPECT_EQ(m_store.projectName, "mine");
}

TEST_F(InstructionListFileTest, ReadsTextsAsTheyStandWithoutCaseChange)
{
    ASSERT_TRUE(writeBytes(path("l.ins"), "ld\r\nx0\r\n  out \r\ny30\r\n"));
    m_store.step(2) = Step{"OLD", "M100", ""};
    const FileStatus status = openInstructionList(path("l.ins"), m_store);
    EXPECT_TRUE(status.truncated);
    EXPECT_EQ(m_store.step(0), (Step{"ld", "x0", ""}));
    EXPECT_EQ(m_store.step(1), (Step{"out ", "y30", ""}));
    EXPECT_EQ(m_store.step(2), (Step{"OLD", "M100", ""}));
}

TEST_F(InstructionListFileTest, BlockFileHoldsTheMarkedStepsAndInsertsBack)
{
    for (int i = 0; i < 20; ++i)
        m_store.step(i) = Step{"LD", "X" + QString::number(i), ""};
    m_store.blockStart = 10;
    m_store.blockEnd = 12;
    ASSERT_TRUE(saveBlock(path("b.ins"), m_store));
    EXPECT_EQ(crlfLines(readBytes(path("b.ins"))),
              QList<QByteArray>({"LD", "X10", "LD", "X11", "LD", "X12"}));

    QList<StepPair> pairs;
    ASSERT_TRUE(readStepPairs(path("b.ins"), pairs));
    ASSERT_EQ(pairs.size(), 3);
    m_store.curStep = 3;
    insertSteps(m_store, pairs);
    EXPECT_EQ(m_store.step(3).data, "X10");
    EXPECT_EQ(m_store.step(5).data, "X12");
    EXPECT_EQ(m_store.step(6).data, "X3");
    EXPECT_EQ(m_store.step(22).data, "X19");
}

TEST_F(InstructionListFileTest, BlockMarksThatAreNotSetGiveFrontOrEmptyFile)
{
    m_store.step(0) = Step{"LD", "X0", ""};
    m_store.step(1) = Step{"END", "", ""};
    m_store.blockStart = -1;
    m_store.blockEnd = 1;
    ASSERT_TRUE(saveBlock(path("front.ins"), m_store));
    EXPECT_EQ(crlfLines(readBytes(path("front.ins"))), QList<QByteArray>({"LD", "X0", "END", ""}));

    m_store.blockStart = 5;
    m_store.blockEnd = 2;
    ASSERT_TRUE(saveBlock(path("none.ins"), m_store));
    EXPECT_TRUE(readBytes(path("none.ins")).isEmpty());
    EXPECT_TRUE(QFileInfo::exists(path("none.ins")));
}

TEST_F(InstructionListFileTest, InsertReadingKeepsAtMost2001PairsAndAHalfPair)
{
    QByteArray bytes;
    for (int i = 0; i < 2100; ++i)
        bytes += "LD\r\nX" + QByteArray::number(i) + "\r\n";
    ASSERT_TRUE(writeBytes(path("long.ins"), bytes));
    QList<StepPair> pairs;
    ASSERT_TRUE(readStepPairs(path("long.ins"), pairs));
    ASSERT_EQ(pairs.size(), 2001);
    EXPECT_EQ(pairs.last(), (StepPair{"LD", "X2000"}));

    ASSERT_TRUE(writeBytes(path("odd.ins"), "LD,X0\r\nEND\r\n"));
    ASSERT_TRUE(readStepPairs(path("odd.ins"), pairs));
    EXPECT_EQ(pairs, QList<StepPair>({{"LD", "X0"}, {"END", ""}}));

    const QList<StepPair> before = pairs;
    EXPECT_EQ(readStepPairs(path("missing.ins"), pairs).number, 53);
    EXPECT_EQ(pairs, before);
}

TEST_F(InstructionListFileTest, MissingFileLeavesTheStepsAlone)
{
    m_store.step(0) = Step{"LD", "X0", "c"};
    const FileStatus status = openInstructionList(path("gone.ins"), m_store);
    EXPECT_FALSE(status);
    EXPECT_EQ(status.number, 53);
    EXPECT_TRUE(status.message.contains("gone.ins"));
    EXPECT_EQ(m_store.step(0), (Step{"LD", "X0", "c"}));
}

TEST(LadderFile, EmptyLadderIsFiftyThousandLinesOfZerosAndBlanks)
{
    QTemporaryDir dir;
    const LadderGrid grid;
    ASSERT_TRUE(saveLadder(dir.filePath("e.lad"), grid));
    const QList<QByteArray> lines = crlfLines(readBytes(dir.filePath("e.lad")));
    ASSERT_EQ(lines.size(), 50005);
    for (int i = 0; i < lines.size(); ++i)
        ASSERT_EQ(lines[i], i % 5 < 3 ? QByteArray(" 0 ") : QByteArray()) << "line " << i;
}

TEST(LadderFile, RoundTripKeepsLinksTextsAndTheLastCell)
{
    QTemporaryDir dir;
    LadderGrid grid;
    RandomProgram(5).fill(grid);
    grid.cell(10000) = Cell{kStepContact, kLinkDown, kPlainEdge, "S600", QStringLiteral("步")};
    ASSERT_TRUE(saveLadder(dir.filePath("r.lad"), grid));

    LadderGrid back;
    const FileStatus status = openLadder(dir.filePath("r.lad"), back);
    ASSERT_TRUE(status);
    EXPECT_TRUE(status.message.isEmpty());
    for (int i = 0; i <= LadderGrid::kLastIndex; ++i)
        ASSERT_EQ(back.cell(i), grid.cell(i)) << "cell " << i;
}

TEST(LadderFile, ShortLadderFileKeepsTheCellsNotRead)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeBytes(dir.filePath("s.lad"), " 1 \r\n 6 \r\n 7 \r\nX0\r\n\r\n 3 \r\n"));
    LadderGrid grid;
    grid.cell(1) = Cell{kLine, kPlainEdge, kPlainEdge, "", ""};
    grid.cell(2).dev = "keep";
    const FileStatus status = openLadder(dir.filePath("s.lad"), grid);
    EXPECT_TRUE(status);
    EXPECT_TRUE(status.truncated);
    EXPECT_EQ(grid.cell(0), (Cell{kContact, kPlainEdge, kLinkDown, "X0", ""}));
    EXPECT_EQ(grid.cell(1), (Cell{kCoil, kPlainEdge, kPlainEdge, "", ""}));
    EXPECT_EQ(grid.cell(2).dev, "keep");
}
