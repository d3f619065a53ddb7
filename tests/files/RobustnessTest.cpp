#include "FileTestSupport.h"
#include "files/ProgramFile.h"

#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::testing;

namespace {

// Whatever a file held, the grid only carries codes the views know.
bool gridCodesKnown(const LadderGrid& grid)
{
    for (int i = 0; i <= LadderGrid::kLastIndex; ++i) {
        const Cell& cell = grid.cell(i);
        if (!kElementCodes.contains(cell.type) || !kEdgeCodes.contains(cell.left) ||
            !kEdgeCodes.contains(cell.right))
            return false;
    }
    return true;
}

class RobustnessTest : public ::testing::TestWithParam<QString> {
protected:
    FileStatus load(const QByteArray& bytes)
    {
        m_store = ProgramStore();
        m_grid = LadderGrid();
        return loadProgramFile(m_files.write("damaged" + GetParam(), bytes), m_store, m_grid);
    }

    TempFolder m_files;
    ProgramStore m_store;
    LadderGrid m_grid;
};

} // namespace

TEST_P(RobustnessTest, RandomBytesNeverCrashAndKeepGridCodesValid)
{
    std::mt19937 random(1234);
    // Mostly line ends, commas, quotes and digits, so that fields get read as numbers too.
    static const char alphabet[] = "\r\n,\" 0123456789-.eAXYZ\xd0\xc2\x81\xff";
    for (int round = 0; round < 40; ++round) {
        QByteArray bytes(std::uniform_int_distribution<int>(0, 20000)(random), Qt::Uninitialized);
        for (char& byte : bytes) {
            const int r = std::uniform_int_distribution<int>(0, 99)(random);
            byte = r < 60 ? alphabet[r % (sizeof alphabet - 1)] : char(r * 37 + round);
        }
        EXPECT_TRUE(load(bytes)) << "round " << round;
        EXPECT_TRUE(gridCodesKnown(m_grid)) << "round " << round;
        EXPECT_TRUE(m_store.plcType == 0 || m_store.plcType == 1);
    }
}

TEST_P(RobustnessTest, FileCutAtAnyPointLoadsWhatCameBeforeAndSaysSo)
{
    ProgramStore store;
    LadderGrid grid;
    RandomProgram(3).fill(store);
    RandomProgram(4).fill(grid);
    const QString whole = m_files.path("whole" + GetParam());
    const FileKind kind = fileKindOf(whole);
    // ZK1 files are never written: an instruction list stands in for one.
    ASSERT_TRUE(kind == FileKind::Zk1 ? saveInstructionList(whole, store)
                                      : saveProgramFile(whole, store, grid));
    const QByteArray bytes = readBytes(whole);
    // Lines the reader needs: a ZK1 file holds 1000 pairs of the 2000 written.
    const QHash<FileKind, int> needed = {{FileKind::Project, 54007},
                                         {FileKind::InstructionList, 4000},
                                         {FileKind::Ladder, 50005},
                                         {FileKind::Zk1, 2000}};

    for (qsizetype cut = 0; cut < bytes.size(); cut += 1 + bytes.size() / 37) {
        const FileStatus status = load(bytes.left(cut));
        ASSERT_TRUE(status) << "cut at " << cut;
        const int lines = int(bytes.left(cut).count('\n'));
        EXPECT_EQ(status.truncated, lines < needed[kind] - 1) << "cut at " << cut;
        EXPECT_TRUE(gridCodesKnown(m_grid));
        if (kind == FileKind::InstructionList) {
            for (int i = 0; i < lines / 2; ++i)
                ASSERT_EQ(m_store.step(i).ins, store.step(i).ins) << cut << ' ' << i;
        }
    }
}

TEST_P(RobustnessTest, OneHugeLineWithNulBytesIsReadInBoundedPieces)
{
    QByteArray huge(50 * 1024 * 1024, 'A');
    huge[1000] = '\0';
    huge += "\r\n 1 \r\n";
    EXPECT_TRUE(load(huge));
    const QString first = GetParam() == ".lad" ? m_grid.cell(0).dev : m_store.step(0).ins;
    EXPECT_LE(first.size(), 1024);
    EXPECT_TRUE(gridCodesKnown(m_grid));
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, RobustnessTest,
                         ::testing::Values(QString(".lrp"), QString(".ins"), QString(".lad"),
                                           QString(".zk1")),
                         [](const auto& info) { return info.param.mid(1).toStdString(); });

TEST(ProgramFile, KindsFollowTheExtensionInAnyCaseAndUnknownKindsLoadNothing)
{
    EXPECT_EQ(fileKindOf("/x/B.LRP"), FileKind::Project);
    EXPECT_EQ(fileKindOf("C:\\plc\\p.Ins"), FileKind::InstructionList);
    EXPECT_EQ(fileKindOf("x.lad"), FileKind::Ladder);
    EXPECT_EQ(fileKindOf("x.ZK1"), FileKind::Zk1);
    EXPECT_EQ(fileKindOf("x.lrp.txt"), FileKind::Unknown);
    EXPECT_EQ(fileKindOf("lrp"), FileKind::Unknown);

    TempFolder files;
    ProgramStore store;
    LadderGrid grid;
    const FileStatus status = loadProgramFile(files.write("p.txt", "LD\r\nX0\r\n"), store, grid);
    EXPECT_FALSE(status);
    EXPECT_EQ(status.number, 75);
    EXPECT_TRUE(store.step(0).isEmpty());
    // ZK1 files are read, never written.
    EXPECT_EQ(saveProgramFile(files.path("p.zk1"), store, grid).number, 75);
    EXPECT_FALSE(QFileInfo::exists(files.path("p.zk1")));
    EXPECT_TRUE(saveProgramFile(files.path("p.LAD"), store, grid));
    EXPECT_EQ(files.lines("p.LAD").size(), 50005);
}
