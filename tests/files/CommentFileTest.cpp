#include "files/CommentFile.h"
#include "FileTestSupport.h"
#include "files/ProjectFiles.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::testing;

namespace {

class CommentFileTest : public ::testing::Test {
protected:
    TempFolder m_files;
    ProgramStore m_store;
    LadderGrid m_grid;
};

// Comments that the classic field rules would cut or change: commas, quotes, blanks at either
// end, an apostrophe, text the code page holds.
const QStringList kHardComments = {
    QStringLiteral("start, then stop"), QStringLiteral("\"quoted\" lamp"),
    QStringLiteral("  leading"),        QStringLiteral("trailing  "),
    QStringLiteral("it's 2\" long,"),   QStringLiteral("电机启动"),
};

} // namespace

TEST_F(CommentFileTest, CompanionIsNamedAfterTheProgramFileInItsCase)
{
    const struct {
        QString path;
        FileKind kind;
        QString companion;
    } rows[] = {
        {"/plc/motor.lrp", FileKind::Project, "/plc/motor.lrc"},
        {"/plc/MOTOR.LRP", FileKind::Project, "/plc/MOTOR.LRC"},
        {"/plc/motor.Lrp", FileKind::Project, "/plc/motor.lrc"},
        {"D:\\plc\\test run.lrp", FileKind::Project, "D:\\plc\\test run.lrc"},
        {"/plc/list.ins", FileKind::InstructionList, "/plc/list.inc"},
        {"/plc/LIST.INS", FileKind::InstructionList, "/plc/LIST.INC"},
        {"/plc/plan", FileKind::Project, "/plc/plan.lrc"},
        {"/plc/a.lrp/plan", FileKind::Project, "/plc/a.lrp/plan.lrc"},
        {"/plc/.lrp", FileKind::Project, "/plc/.lrp.lrc"},
        {"/plc/list.ins", FileKind::Project, "/plc/list.ins.lrc"},
        {"/plc/grid.lad", FileKind::Ladder, ""},
        {"", FileKind::Project, ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(commentFileOf(row.path, row.kind), row.companion) << row.path.toStdString();
}

TEST_F(CommentFileTest, HardCommentsSurviveSaveAndOpenOneLineEach)
{
    m_store.step(0) = Step{"LD", "X0", kHardComments[0]};
    for (int k = 1; k < kHardComments.size(); ++k)
        m_store.step(k * 300).rem = kHardComments[k];
    m_store.step(1999).rem = QStringLiteral("last");
    const QString project = m_files.path("motor.lrp");
    ASSERT_TRUE(saveProgramFile(project, m_store, m_grid));

    const QList<QByteArray> lines = m_files.lines("motor.lrc");
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[1], "300,\"quoted\" lamp");
    EXPECT_EQ(lines[5], "1500," + gbk(QStringLiteral("电机启动")));

    ProgramStore read;
    read.step(7).rem = QStringLiteral("from the program before");
    LadderGrid grid;
    ASSERT_TRUE(loadProgramFile(project, read, grid));
    for (int i = 0; i < ProgramStore::kFileSteps; ++i)
        EXPECT_EQ(read.step(i).rem, m_store.step(i).rem) << "step " << i;
    EXPECT_EQ(read.step(0), (Step{"LD", "X0", kHardComments[0]}));
}

TEST_F(CommentFileTest, ProjectFileStaysByteForByteTheSame)
{
    m_store.projectName = QStringLiteral("motor");
    m_store.step(0) = Step{"LD", "X0", {}};
    m_store.step(1) = Step{"OUT", "Y30", {}};
    ASSERT_TRUE(saveProgramFile(m_files.path("motor.lrp"), m_store, m_grid));
    const QByteArray without = readBytes(m_files.path("motor.lrp"));
    m_store.step(0).rem = QStringLiteral("start, \"now\"");
    m_store.step(1).rem = QStringLiteral("lamp");
    ASSERT_TRUE(saveProgramFile(m_files.path("motor.lrp"), m_store, m_grid));
    EXPECT_EQ(readBytes(m_files.path("motor.lrp")), without);
    EXPECT_EQ(m_files.lines("motor.lrc"), (QList<QByteArray>{"0,start, \"now\"", "1,lamp"}));
}

TEST_F(CommentFileTest, LineBreaksInACommentBecomeBlanks)
{
    m_store.step(4).rem = QStringLiteral("two\r\nlines\x1A");
    ASSERT_TRUE(saveCommentList(m_files.path("p.ins"), FileKind::InstructionList,
                                programComments(m_store)));
    QStringList comments;
    ASSERT_TRUE(readCommentList(m_files.path("p.ins"), FileKind::InstructionList, comments));
    EXPECT_EQ(comments.value(4), QStringLiteral("two  lines "));
}

TEST_F(CommentFileTest, ProjectWithoutCompanionHasNoComments)
{
    ASSERT_TRUE(saveProject(m_files.path("bare.lrp"), m_store, m_grid));
    ProgramStore read;
    read.step(3).rem = QStringLiteral("old");
    read.step(2000).rem = QStringLiteral("old too");
    bool found = true;
    QStringList comments;
    ASSERT_TRUE(readCommentList(m_files.path("bare.lrp"), FileKind::Project, comments, &found));
    EXPECT_FALSE(found);
    const FileStatus status = loadComments(m_files.path("bare.lrp"), FileKind::Project, read);
    EXPECT_TRUE(status.ok && status.message.isEmpty());
    EXPECT_TRUE(read.step(3).rem.isEmpty());
    EXPECT_TRUE(read.step(2000).rem.isEmpty());
}

TEST_F(CommentFileTest, InstructionListKeepsCommentsWithoutCompanionAndTakesThemWithOne)
{
    m_store.step(3).rem = QStringLiteral("kept");
    m_store.step(5).rem = QStringLiteral("replaced");
    ASSERT_TRUE(loadComments(m_files.path("none.ins"), FileKind::InstructionList, m_store));
    EXPECT_EQ(m_store.step(3).rem, QStringLiteral("kept"));

    m_files.write("some.inc", "3,new\r\n");
    ASSERT_TRUE(loadComments(m_files.path("some.ins"), FileKind::InstructionList, m_store));
    EXPECT_EQ(m_store.step(3).rem, QStringLiteral("new"));
    EXPECT_TRUE(m_store.step(5).rem.isEmpty());
}

TEST_F(CommentFileTest, SaveWithoutCommentsRemovesAnOldCompanion)
{
    m_files.write("p.lrc", "3,old comment\r\n");
    ASSERT_TRUE(saveProgramFile(m_files.path("p.lrp"), m_store, m_grid));
    EXPECT_FALSE(QFileInfo::exists(m_files.path("p.lrc")));
    ProgramStore read;
    ASSERT_TRUE(loadProgramFile(m_files.path("p.lrp"), read, m_grid));
    EXPECT_TRUE(read.step(3).rem.isEmpty());
}

TEST_F(CommentFileTest, DamagedLinesAreSkippedWithAWarningWhateverTheLineEnds)
{
    // Lines of other editors may end in LF or CR alone.
    m_files.write("p.lrc", "abc\n12\r5000,far\r\n-1,minus\r\n\r\n 7 ,seven\n2000,last\r\n");
    ProgramStore read;
    const FileStatus status = loadComments(m_files.path("p.lrp"), FileKind::Project, read);
    EXPECT_TRUE(status.ok);
    EXPECT_EQ(status.number, 13);
    EXPECT_TRUE(status.message.contains(QStringLiteral("p.lrc"))) << status.message.toStdString();
    EXPECT_EQ(read.step(7).rem, QStringLiteral("seven"));
    EXPECT_EQ(read.step(2000).rem, QStringLiteral("last"));
    EXPECT_TRUE(read.step(12).rem.isEmpty());
}

TEST_F(CommentFileTest, CompanionThatCannotBeReadLeavesAProjectWithoutComments)
{
    ASSERT_TRUE(QDir(m_files.folder()).mkdir("p.lrc"));
    m_store.step(1).rem = QStringLiteral("before");
    const FileStatus status = loadComments(m_files.path("p.lrp"), FileKind::Project, m_store);
    EXPECT_FALSE(status.ok);
    EXPECT_TRUE(status.message.contains(QStringLiteral("p.lrc"))) << status.message.toStdString();
    EXPECT_TRUE(m_store.step(1).rem.isEmpty());
}
