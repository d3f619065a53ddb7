#include "FileTestSupport.h"
#include "files/ProjectFiles.h"

#include <QDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace ladrix;
using namespace ladrix::testing;

namespace {

class ProjectFileTest : public ::testing::Test {
protected:
    TempFolder m_files;
    ProgramStore m_store;
    LadderGrid m_grid;
};

} // namespace

TEST_F(ProjectFileTest, LayoutIsNameModelStepsAndCellsLineByLine)
{
    m_store.projectName = QStringLiteral("新工程");
    m_store.plcType = 1;
    m_store.step(0) = Step{"LD", "X0", "comment not stored"};
    m_store.step(1999) = Step{"END", "", ""};
    m_store.step(2000) = Step{"NOP", "", ""};
    m_grid.cell(0) = Cell{kContact, kPlainEdge, kLinkDown, "X0", ""};
    m_grid.cell(10000) = Cell{kCoil, kPlainEdge, kPlainEdge, "T50", "100"};
    ASSERT_TRUE(saveProject(m_files.path("p.lrp"), m_store, m_grid));

    const QList<QByteArray> lines = m_files.lines("p.lrp");
    ASSERT_EQ(lines.size(), 54007);
    EXPECT_EQ(lines[0].toHex(), "d0c2b9a4b3cc"); // 新工程 in code page 936
    EXPECT_EQ(lines.mid(1, 4), QList<QByteArray>({" 1 ", "LD", "X0", ""}));
    EXPECT_EQ(lines[2 + 2 * 1999], "END");
    EXPECT_EQ(lines.mid(4002, 6), QList<QByteArray>({" 1 ", " 6 ", " 7 ", "X0", "", " 0 "}));
    EXPECT_EQ(lines.mid(54002), QList<QByteArray>({" 3 ", " 6 ", " 6 ", "T50", "100"}));
}

TEST_F(ProjectFileTest, NameAndPathComeFromTheFileNotFromLineOne)
{
    // A backslash is part of a file name here, but still separates the base name. A stored name
    // with a comma is quoted, so the model and the steps after it stay aligned.
    const QString old = QStringLiteral("旧");
    const struct {
        QString file, projectName, stored;
        QByteArray lineOne;
    } rows[] = {{"test run.lrp", "testrun", old, gbk(old)},
                {"D:\\plc\\test run.LRP", "testrun", old, gbk(old)},
                {QStringLiteral("新 工程.lrp"), QStringLiteral("新工程"), old, gbk(old)},
                {"x.lrp", "x", "a,b", "\"a,b\""}};
    m_store.plcType = 1;
    m_store.step(0) = Step{"LD", "X0", ""};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file.toStdString());
        const QString file = m_files.path(row.file);
        m_store.projectName = row.stored;
        ASSERT_TRUE(saveProject(file, m_store, m_grid));
        EXPECT_EQ(m_store.projectName, row.projectName);
        EXPECT_EQ(m_store.projectFile, file);
        EXPECT_EQ(crlfLines(readBytes(file)).first(), row.lineOne);

        ProgramStore other;
        QString stored;
        ASSERT_TRUE(openProject(file, other, m_grid, stored));
        EXPECT_EQ(stored, row.stored);
        EXPECT_EQ(other.projectName, row.projectName);
        EXPECT_EQ(other.projectFile, file);
        EXPECT_EQ(other.plcType, 1);
        EXPECT_EQ(other.step(0), (Step{"LD", "X0", ""}));
    }
}

TEST_F(ProjectFileTest, RoundTripReproducesEveryStepAndCell)
{
    RandomProgram random(20240613);
    random.fill(m_store);
    random.fill(m_grid);
    m_grid.cell(10000) = Cell{kFunctionBox, kLinkDown, kLinkDown, "M100", QStringLiteral("置位")};
    ASSERT_TRUE(saveProject(m_files.path("r.lrp"), m_store, m_grid));

    ProgramStore back;
    back.step(7).rem = "kept";
    back.step(2000) = Step{"NOP", "X1", "last"};
    back.blockStart = 3;
    LadderGrid grid;
    const FileStatus status = openProject(m_files.path("r.lrp"), back, grid);
    ASSERT_TRUE(status) << status.message.toStdString();
    EXPECT_FALSE(status.truncated);
    EXPECT_TRUE(status.message.isEmpty());
    EXPECT_EQ(back.plcType, m_store.plcType);
    for (int i = 0; i < ProgramStore::kFileSteps; ++i) {
        ASSERT_EQ(back.step(i).ins, m_store.step(i).ins) << "step " << i;
        ASSERT_EQ(back.step(i).data, m_store.step(i).data) << "step " << i;
    }
    EXPECT_EQ(grid, m_grid);
    // What the file does not hold stays as it was.
    EXPECT_EQ(back.step(7).rem, "kept");
    EXPECT_EQ(back.step(2000), (Step{"NOP", "X1", "last"}));
    EXPECT_EQ(back.blockStart, 3);
}

TEST_F(ProjectFileTest, MissingOrUnreadableFileChangesNothing)
{
    m_store.projectName = "keep";
    m_store.step(0) = Step{"LD", "X0", ""};
    m_grid.cell(5).type = kCoil;
    const LadderGrid gridBefore = m_grid;
    QDir(m_files.folder()).mkdir("folder.lrp");
    // A device would feed the reader without end.
    for (const auto& [file, number] : {std::pair{m_files.path("missing.lrp"), 53},
                                       {m_files.path("folder.lrp"), 75},
                                       {QStringLiteral("/dev/zero"), 75}}) {
        const FileStatus status = openProject(file, m_store, m_grid);
        EXPECT_FALSE(status);
        EXPECT_EQ(status.number, number);
        EXPECT_TRUE(status.message.contains(QFileInfo(file).fileName()));
    }
    EXPECT_EQ(m_store.projectName, "keep");
    EXPECT_EQ(m_store.step(0), (Step{"LD", "X0", ""}));
    EXPECT_TRUE(m_store.projectFile.isEmpty());
    EXPECT_EQ(m_grid, gridBefore);
}

TEST_F(ProjectFileTest, ShortFileAppliesWhatWasReadAndReportsTruncation)
{
    m_store.step(1) = Step{"OLD1", "Y30", ""};
    m_grid.cell(0).type = kLine;
    const QString file = m_files.write("short.lrp", "name\r\n 1 \r\nLD\r\nX0\r\nOUT\r\n");
    const FileStatus status = openProject(file, m_store, m_grid);
    EXPECT_TRUE(status);
    EXPECT_TRUE(status.truncated);
    EXPECT_EQ(status.number, 62);
    EXPECT_EQ(m_store.plcType, 1);
    EXPECT_EQ(stepsOf(m_store, 2), QStringList({"LD,X0,", "OUT,Y30,"}));
    EXPECT_EQ(m_grid.cell(0).type, kLine);
    EXPECT_EQ(m_store.projectName, "short");
}

TEST_F(ProjectFileTest, DamagedNumbersAndUnknownCodesKeepPreviousValues)
{
    m_grid.cell(0) = Cell{kContact, kPlainEdge, kPlainEdge, "X0", ""};
    m_grid.cell(1) = Cell{kCoil, kPlainEdge, kPlainEdge, "Y30", ""};
    ASSERT_TRUE(saveProject(m_files.path("d.lrp"), m_store, m_grid));
    QList<QByteArray> lines = m_files.lines("d.lrp");
    lines[1] = " 5 ";     // no such model
    lines[4002] = "abc";  // cell 0 type: no number
    lines[4008] = " 9 ";  // cell 1 left edge: no such code
    lines[4012] = " 99 "; // cell 2 type: no such element
    m_files.write("d.lrp", lines.join("\r\n") + "\r\n");

    ProgramStore store;
    store.plcType = 1;
    LadderGrid loaded;
    loaded.cell(0).type = kLine;
    const FileStatus status = openProject(m_files.path("d.lrp"), store, loaded);
    EXPECT_TRUE(status);
    EXPECT_FALSE(status.truncated);
    EXPECT_EQ(status.number, 13);
    EXPECT_TRUE(status.message.contains(QStringLiteral("4 个"))) << status.message.toStdString();
    EXPECT_EQ(store.plcType, 1);
    EXPECT_EQ(loaded.cell(0), (Cell{kLine, kPlainEdge, kPlainEdge, "X0", ""}));
    EXPECT_EQ(loaded.cell(1), (Cell{kCoil, kNoEdge, kPlainEdge, "Y30", ""}));
    EXPECT_EQ(loaded.cell(2).type, kEmpty);
}

TEST_F(ProjectFileTest, SaveIntoAMissingOrImpossibleFolderFails)
{
    m_files.write("plain", "x");
    QDir(m_files.folder()).mkpath("dir.lrp/inside");
    for (const QString& target : {m_files.path("no/such/folder/p.lrp"), m_files.path("plain/p.lrp"),
                                  m_files.path("dir.lrp")}) {
        m_store.projectName = "before";
        const FileStatus status = saveProject(target, m_store, m_grid);
        EXPECT_FALSE(status);
        EXPECT_EQ(status.number, 75);
        EXPECT_TRUE(status.message.contains(QFileInfo(target).fileName()));
        EXPECT_EQ(m_store.projectName, "before");
        EXPECT_TRUE(m_store.projectFile.isEmpty());
    }
    // A folder standing where the file should go is not replaced, and no temporary is left.
    EXPECT_TRUE(QFileInfo(m_files.path("dir.lrp/inside")).isDir());
    EXPECT_EQ(QDir(m_files.folder()).entryList(QDir::Files), QStringList({"plain"}));
}

TEST_F(ProjectFileTest, WriteThatFailsHalfWayKeepsTheOldFile)
{
    const QString file = m_files.write("keep.lrp", "old contents\r\n");
    RandomProgram(7).fill(m_store);

    // The file size limit stops the write part way, for any user.
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileStatus status = saveProject(file, m_store, m_grid);
    ::setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_FALSE(status);
    EXPECT_EQ(status.number, 75);
    EXPECT_TRUE(status.message.contains("keep.lrp"));
    EXPECT_EQ(readBytes(file), "old contents\r\n");
    EXPECT_EQ(QDir(m_files.folder()).entryList(QDir::Files), QStringList({"keep.lrp"}));
    EXPECT_TRUE(m_store.projectFile.isEmpty());
}

TEST_F(ProjectFileTest, CharactersOutsideCodePage936AreSavedAsQuestionMarksWithAWarning)
{
    m_store.projectName = "p";
    m_grid.cell(5).dev = QStringLiteral("X0 한");
    const FileStatus lossy = saveProject(m_files.path("p.lrp"), m_store, m_grid);
    ASSERT_TRUE(lossy);
    EXPECT_FALSE(lossy.message.isEmpty());
    EXPECT_EQ(m_files.lines("p.lrp")[4002 + 5 * 5 + 3], "X0 ?");

    m_grid.cell(5).dev = QStringLiteral("定时");
    const FileStatus clean = saveProject(m_files.path("p.lrp"), m_store, m_grid);
    ASSERT_TRUE(clean);
    EXPECT_TRUE(clean.message.isEmpty());
}
