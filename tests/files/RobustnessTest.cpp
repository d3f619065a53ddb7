#include "FileTestSupport.h"
#include "files/ProgramFile.h"

#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::testing;

namespace {

// Whatever a file held, the grid only carries codes the views know.
bool gridCodesKnown(const LadderGrid& grid)
{
    static const QList<qint16> elements = {0, 1, 2, 3, 4, 5, 8};
    static const QList<qint16> edges = {0, 6, 7};
    for (int i = 0; i <= LadderGrid::kLastIndex; ++i) {
        const Cell& cell = grid.cell(i);
        if (!elements.contains(cell.type) || !edges.contains(cell.left) ||
            !edges.contains(cell.right))
            return false;
    }
    return true;
}

class RobustnessTest : public ::testing::TestWithParam<QString> {
protected:
    QString path() const { return m_dir.filePath("damaged" + GetParam()); }

    QTemporaryDir m_dir;
};

} // namespace

TEST_P(RobustnessTest, RandomBytesNeverCrashAndKeepGridCodesValid)
{
    std::mt19937 random(1234);
    for (int round = 0; round < 40; ++round) {
        QByteArray bytes(std::uniform_int_distribution<int>(0, 20000)(random), Qt::Uninitialized);
        // Mostly line ends, commas, quotes and digits, so that the fields get read as numbers.
        static const char alphabet[] = "\r\n,\" 0123456789-.eAXYZ\xd0\xc2\x81\xff";
        for (char& byte : bytes) {
            const int r = std::uniform_int_distribution<int>(0, 99)(random);
            byte = r < 60 ? alphabet[r % (sizeof alphabet - 1)] : char(r * 37 + round);
        }
        ASSERT_TRUE(writeBytes(path(), bytes));
        ProgramStore store;
        LadderGrid grid;
        const FileStatus status = loadProgramFile(path(), store, grid);
        EXPECT_TRUE(status) << "round " << round;
        EXPECT_TRUE(gridCodesKnown(grid)) << "round " << round;
        EXPECT_TRUE(store.plcType == 0 || store.plcType == 1);
    }
}

TEST_P(RobustnessTest, FileCutAtAnyPointLoadsWhatCameBefore)
{
    ProgramStore store;
    LadderGrid grid;
    RandomProgram(3).fill(store);
    RandomProgram(4).fill(grid);
    const QString whole = m_dir.filePath("whole" + GetParam());
    const FileKind kind = fileKindOf(whole);
    FileStatus saved;
    if (kind == FileKind::Project)
        saved = saveProject(whole, store, grid);
    else if (kind == FileKind::Ladder)
        saved = saveLadder(whole, grid);
    else
        saved = saveInstructionList(whole, store);
    ASSERT_TRUE(saved);
    const QByteArray bytes = readBytes(whole);
    // Lines the reader needs: a ZK1 file holds 1000 pairs of the 2000 written.
    const QHash<FileKind, int> needed = {{FileKind::Project, 54007},
                                         {FileKind::InstructionList, 4000},
                                         {FileKind::Ladder, 50005},
                                         {FileKind::Zk1, 2000}};

    for (qsizetype cut = 0; cut < bytes.size(); cut += 1 + bytes.size() / 37) {
        ASSERT_TRUE(writeBytes(path(), bytes.left(cut)));
        ProgramStore loadedStore;
        LadderGrid loadedGrid;
        const FileStatus status = loadProgramFile(path(), loadedStore, loadedGrid);
        ASSERT_TRUE(status) << "cut at " << cut;
        const int lines = int(bytes.left(cut).count('\n'));
        EXPECT_EQ(status.truncated, lines < needed[kind] - 1) << "cut at " << cut;
        EXPECT_TRUE(gridCodesKnown(loadedGrid));
        // The steps before the cut came through whole (a ZK1 file adds the device letters).
        if (kind == FileKind::InstructionList) {
            for (int i = 0; i < lines / 2; ++i)
                ASSERT_EQ(loadedStore.step(i).ins, store.step(i).ins) << cut << ' ' << i;
        }
    }
}

TEST_P(RobustnessTest, OneHugeLineOrNulBytesAreReadInBoundedPieces)
{
    QByteArray huge(50 * 1024 * 1024, 'A');
    huge[1000] = '\0';
    huge += "\r\n 1 \r\n";
    ASSERT_TRUE(writeBytes(path(), huge));
    huge.clear();
    ProgramStore store;
    LadderGrid grid;
    const FileStatus status = loadProgramFile(path(), store, grid);
    EXPECT_TRUE(status);
    const QString first = GetParam() == ".lad" ? grid.cell(0).dev : store.step(0).ins;
    EXPECT_LE(first.size(), 1024);
    EXPECT_TRUE(gridCodesKnown(grid));
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, RobustnessTest,
                         ::testing::Values(QString(".lrp"), QString(".ins"), QString(".lad"),
                                           QString(".zk1")),
                         [](const auto& info) { return info.param.mid(1).toStdString(); });

TEST(ProgramFile, KindsFollowTheExtensionInAnyCase)
{
    EXPECT_EQ(fileKindOf("a.lrp"), FileKind::Project);
    EXPECT_EQ(fileKindOf("/x/B.LRP"), FileKind::Project);
    EXPECT_EQ(fileKindOf("C:\\plc\\p.Ins"), FileKind::InstructionList);
    EXPECT_EQ(fileKindOf("x.lad"), FileKind::Ladder);
    EXPECT_EQ(fileKindOf("x.ZK1"), FileKind::Zk1);
    EXPECT_EQ(fileKindOf("x.lrp.txt"), FileKind::Unknown);
    EXPECT_EQ(fileKindOf("lrp"), FileKind::Unknown);
    EXPECT_EQ(fileKindOf(""), FileKind::Unknown);
}

TEST(ProgramFile, LoadingAnUnknownKindChangesNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeBytes(dir.filePath("p.txt"), "LD\r\nX0\r\n"));
    ProgramStore store;
    LadderGrid grid;
    const FileStatus status = loadProgramFile(dir.filePath("p.txt"), store, grid);
    EXPECT_FALSE(status);
    EXPECT_EQ(status.number, 75);
    EXPECT_TRUE(store.step(0).isEmpty());
}
