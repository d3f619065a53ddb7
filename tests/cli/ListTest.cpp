#include "../files/FileTestSupport.h"
#include "CliRunner.h"
#include "files/ProjectFiles.h"

#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::testing;

namespace {

class ListTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) const
    {
        return m_files.write(name, bytes);
    }
    QString path(const QString& name) const { return m_files.path(name); }

    TempFolder m_files;
};

} // namespace

TEST_F(ListTest, ListsFromStepZeroToTheFirstEnd)
{
    ProgramStore store;
    store.step(0) = Step{"LD", "X0", "comments are not in files"};
    store.step(1) = Step{"OUT", "T50", ""};
    store.step(2) = Step{"K", "100", ""};
    store.step(4) = Step{"END", "", ""};
    store.step(5) = Step{"LD", "X1", ""};
    store.step(6) = Step{"END", "", ""};
    const QString file = path("p.lrp");
    ASSERT_TRUE(saveProject(file, store, LadderGrid()));

    const CliRun run = runCli({"list", file});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "0000  LD X0\n0001  OUT T50\n0002  K 100\n0003\n0004  END\n");
    EXPECT_TRUE(run.err.isEmpty());
}

TEST_F(ListTest, WithoutEndListsToTheLastStepWithContent)
{
    // Blanks around the entries are not shown; a step with only an operand shows it.
    const QString file = write("a.INS", "LD  \r\n  X0 \r\n\r\n\r\n\r\nY30\r\n\r\n\r\n"
                                        "end\r\nx\r\n\r\n\r\n");
    const CliRun run = runCli({"list", file});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "0000  LD X0\n0001\n0002   Y30\n0003\n0004  end x\n");
    // The file holds fewer than 2000 steps: a warning, but the listing stands.
    EXPECT_TRUE(run.err.contains(QStringLiteral("不完整")));
}

TEST_F(ListTest, Zk1FilesShowTheirDeviceLettersAndEmptyProgramsNothing)
{
    CliRun run = runCli({"list", write("z.Zk1", "LD,400\r\nOUT,050\r\nEND,0\r\n")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "0000  LD X400\n0001  OUT T050\n0002  END\n");

    const QString empty = path("e.ins");
    ASSERT_TRUE(saveInstructionList(empty, ProgramStore()));
    run = runCli({"list", empty});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.isEmpty());
}

TEST_F(ListTest, ChineseTextsComeOutAsUtf8)
{
    const QString file = write("c.ins", gbk(QStringLiteral("K\r\n定时\r\n")));
    const CliRun run = runCli({"list", file});
    EXPECT_EQ(run.out, QStringLiteral("0000  K 定时\n"));
}

TEST_F(ListTest, WrongKindMissingFileAndBadArgumentsAreUsageErrors)
{
    const QString ladder = write("l.lad", " 0 \r\n");
    for (const QStringList& args :
         {QStringList{"list", ladder}, QStringList{"list", path("none.lrp")}, QStringList{"list"},
          QStringList{"list", ladder, ladder}, QStringList{"list", "--bogus", ladder},
          QStringList{"list", m_files.folder()}}) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("ladrix-cli list: ")) << run.err.toStdString();
    }
    EXPECT_TRUE(runCli({"list", path("none.lrp")}).err.contains("none.lrp"));
}

TEST(FileCommands, EachExplainsItselfWithHelp)
{
    for (const QString command : {"list", "check", "convert"}) {
        const CliRun help = runCli({command, "--help"});
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_TRUE(help.out.startsWith("Usage: ladrix-cli " + command)) << help.out.toStdString();
        EXPECT_TRUE(help.out.contains("Exit status")) << command.toStdString();
    }
}
