#include "../files/FileTestSupport.h"
#include "CliRunner.h"
#include "files/ProjectFiles.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::testing;

namespace {

class ConvertTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RandomProgram random(11);
        random.fill(m_store);
        random.fill(m_grid);
        m_store.plcType = 1;
        m_store.projectName = QStringLiteral("存储的名字");
        ASSERT_TRUE(saveProject(path("in.lrp"), m_store, m_grid));
        // saveProject renamed the project after the file: restore the stored name.
        m_store.projectName = QStringLiteral("存储的名字");
    }

    QString path(const QString& name) const { return m_files.path(name); }

    TempFolder m_files;
    ProgramStore m_store;
    LadderGrid m_grid;
};

} // namespace

TEST_F(ConvertTest, ProjectRewrittenByteForByteAndItsHalvesMatchTheirOwnFiles)
{
    ASSERT_TRUE(saveInstructionList(path("expected.ins"), m_store));
    ASSERT_TRUE(saveLadder(path("expected.lad"), m_grid));
    for (const auto& [out, expected] : {std::pair{"OUT.LRP", "in.lrp"},
                                        {"out.ins", "expected.ins"},
                                        {"out.Lad", "expected.lad"}}) {
        const CliRun run = runCli({"convert", path("in.lrp"), path(out)});
        EXPECT_EQ(run.exitCode, 0) << out << ' ' << run.err.toStdString();
        EXPECT_EQ(readBytes(path(out)), readBytes(path(expected))) << out;
    }
    EXPECT_EQ(m_files.lines("OUT.LRP").first(), gbk(m_store.projectName));
}

TEST_F(ConvertTest, HalfBecomesAProjectNamedAfterOutWithTheChosenModel)
{
    ASSERT_EQ(runCli({"convert", path("in.lrp"), path("half.ins")}).exitCode, 0);
    CliRun run = runCli({"convert", "--model", "1", path("half.ins"), path("new prog.lrp")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    ProgramStore store;
    LadderGrid grid;
    grid.cell(0).type = kCoil;
    QString stored;
    ASSERT_TRUE(openProject(path("new prog.lrp"), store, grid, stored));
    EXPECT_EQ(stored, "newprog");
    EXPECT_EQ(store.plcType, 1);
    EXPECT_EQ(store.step(17), (Step{m_store.step(17).ins, m_store.step(17).data, ""}));
    EXPECT_TRUE(grid.isClear());

    ASSERT_EQ(runCli({"convert", path("in.lrp"), path("half.lad")}).exitCode, 0);
    run = runCli({"convert", path("half.lad"), "--model=0", path("g.lrp")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    store = ProgramStore();
    store.plcType = 1;
    store.step(3) = Step{"LD", "X0", ""};
    ASSERT_TRUE(openProject(path("g.lrp"), store, grid));
    EXPECT_EQ(store.plcType, 0);
    EXPECT_TRUE(store.step(3).isEmpty());
    EXPECT_EQ(grid, m_grid);
}

TEST_F(ConvertTest, Zk1ToInstructionListAndProject)
{
    m_files.write("z.zk1", "LD\r\n400\r\nOUT\r\n050\r\nK\r\n100\r\nEND\r\n0\r\n");
    CliRun run = runCli({"convert", path("z.zk1"), path("z.ins")});
    EXPECT_EQ(run.exitCode, 0);
    const QList<QByteArray> lines = m_files.lines("z.ins");
    ASSERT_EQ(lines.size(), 4000);
    EXPECT_EQ(lines.mid(0, 8),
              QList<QByteArray>({"LD", "X400", "OUT", "T050", "K", "100", "END", ""}));

    run = runCli({"convert", path("z.zk1"), "--model", "1", path("zp.lrp")});
    EXPECT_EQ(run.exitCode, 0);
    const QList<QByteArray> project = m_files.lines("zp.lrp");
    ASSERT_EQ(project.size(), 54007);
    EXPECT_EQ(project.mid(0, 4), QList<QByteArray>({"zp", " 1 ", "LD", "X400"}));
}

TEST_F(ConvertTest, OtherCombinationsBadOptionsAndFailuresExitTwoWritingNothing)
{
    ASSERT_EQ(runCli({"convert", path("in.lrp"), path("h.ins")}).exitCode, 0);
    m_files.write("old.ins", "old\r\n");
    // Each row: the arguments and a file name the message must mention.
    const std::pair<QStringList, QString> bad[] = {
        {{"convert", path("h.ins"), path("x.lad")}, ""},
        {{"convert", path("in.lrp"), path("x.zk1")}, ""},
        {{"convert", path("in.lrp"), path("x.txt")}, ""},
        {{"convert", path("h.ins"), path("x.ins")}, ""},
        {{"convert", "--model", "1", path("in.lrp"), path("x.ins")}, ""},
        {{"convert", "--model", "2", path("h.ins"), path("x.lrp")}, ""},
        {{"convert", path("h.ins"), path("x.lrp"), "--model"}, ""},
        {{"convert", path("in.lrp")}, ""},
        {{"convert", path("missing.ins"), path("x.lrp")}, "missing.ins"},
        {{"convert", path("missing.lrp"), path("old.ins")}, "missing.lrp"},
        {{"convert", path("in.lrp"), path("no/such/dir/x.ins")}, "x.ins"},
    };
    for (const auto& [args, mentioned] : bad) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("ladrix-cli convert: ")) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(mentioned)) << run.err.toStdString();
    }
    // A failed convert leaves an old out file as it was and creates no folder.
    EXPECT_EQ(QDir(m_files.folder()).entryList({"x.*"}, QDir::Files), QStringList());
    EXPECT_EQ(readBytes(path("old.ins")), "old\r\n");
    EXPECT_FALSE(QFileInfo::exists(path("no")));
}
