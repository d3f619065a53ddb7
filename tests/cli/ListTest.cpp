#include "../files/FileTestSupport.h"
#include "CliRunner.h"
#include "files/ProjectFiles.h"

#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::testing;

TEST(ListTest, ListsEachStepUpToTheFirstEndOrTheLastWithContent)
{
    TempFolder files;
    ProgramStore store;
    store.step(0) = Step{"LD", "X0", "comments are not in files"};
    store.step(1) = Step{"OUT", "T50", ""};
    store.step(2) = Step{"K", "100", ""};
    store.step(4) = Step{"END", "", ""};
    store.step(5) = Step{"LD", "X1", ""};
    store.step(6) = Step{"END", "", ""};
    ASSERT_TRUE(saveProject(files.path("p.lrp"), store, LadderGrid()));
    ASSERT_TRUE(saveInstructionList(files.path("e.ins"), ProgramStore()));
    // Rows without bytes list a file saved above; the others write a short file.
    const struct {
        const char* name;
        QString file;
        QByteArray bytes;
        QString out;
    } rows[] = {
        {"project from step 0 to the first END",
         "p.lrp",
         {},
         "0000  LD X0\n0001  OUT T50\n0002  K 100\n0003\n0004  END\n"},
        {"without END to the last step with content, blanks around entries dropped, a lone operand "
         "shown",
         "a.INS", "LD  \r\n  X0 \r\n\r\n\r\n\r\nY30\r\n\r\n\r\nend\r\nx\r\n\r\n\r\n",
         "0000  LD X0\n0001\n0002   Y30\n0003\n0004  end x\n"},
        {"ZK1 device letters put back", "z.Zk1", "LD,400\r\nOUT,050\r\nEND,0\r\n",
         "0000  LD X400\n0001  OUT T050\n0002  END\n"},
        {"empty program lists nothing", "e.ins", {}, ""},
        {"Chinese texts come out as UTF-8", "c.ins", gbk(QStringLiteral("K\r\n定时\r\n")),
         QStringLiteral("0000  K 定时\n")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString file =
            row.bytes.isEmpty() ? files.path(row.file) : files.write(row.file, row.bytes);
        const CliRun run = runCli({"list", file});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out, row.out);
        // A file of fewer than 2000 steps gives a warning, but the listing stands.
        if (row.bytes.isEmpty())
            EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        else
            EXPECT_TRUE(run.err.contains(QStringLiteral("不完整"))) << run.err.toStdString();
    }
}

TEST(ListTest, WrongKindMissingFileAndBadArgumentsAreUsageErrors)
{
    TempFolder files;
    const QString ladder = files.write("l.lad", " 0 \r\n");
    for (const QStringList& args :
         {QStringList{"list", ladder}, QStringList{"list", files.path("none.lrp")},
          QStringList{"list"}, QStringList{"list", ladder, ladder},
          QStringList{"list", "--bogus", ladder}, QStringList{"list", files.folder()}}) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("ladrix-cli list: ")) << run.err.toStdString();
    }
    EXPECT_TRUE(runCli({"list", files.path("none.lrp")}).err.contains("none.lrp"));
}

TEST(ListTest, ListingThatCannotBeWrittenFailsWithAMessage)
{
    if (!QFileInfo::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full to write to";
    TempFolder files;
    ProgramStore store;
    store.step(0) = Step{"LD", "X0", ""};
    ASSERT_TRUE(saveInstructionList(files.path("p.ins"), store));
    for (const QStringList& args : {QStringList{"list", files.path("p.ins")}, {"--help"}}) {
        QProcess process;
        process.setStandardOutputFile("/dev/full");
        process.start(QStringLiteral(LADRIX_CLI_PATH), args);
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 2) << args.join(' ').toStdString();
        EXPECT_TRUE(process.readAllStandardError().contains("could not be written"));
    }
}
