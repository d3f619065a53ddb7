#include "FileTestSupport.h"
#include "files/ProjectFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::testing;

namespace {

class Zk1ImportTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString file = m_dir.filePath(name);
        EXPECT_TRUE(writeBytes(file, bytes));
        return file;
    }

    QTemporaryDir m_dir;
    ProgramStore m_store;
};

QByteArray fullFile(const QByteArray& pairs, int pairCount)
{
    QByteArray bytes = pairs;
    for (int i = pairCount; i < 1000; ++i)
        bytes += "NOP\r\n\r\n";
    return bytes;
}

} // namespace

TEST_F(Zk1ImportTest, PutsTheDeviceLettersBack)
{
    const QString file =
        write("a.zk1", fullFile("LD\r\n400\r\nOUT\r\n050\r\nK\r\n100\r\nEND\r\n0\r\n", 4));
    const FileStatus status = importZk1(file, m_store);
    ASSERT_TRUE(status);
    EXPECT_FALSE(status.truncated);
    EXPECT_EQ(m_store.step(0), (Step{"LD", "X400", ""}));
    EXPECT_EQ(m_store.step(1), (Step{"OUT", "T050", ""}));
    EXPECT_EQ(m_store.step(2), (Step{"K", "100", ""}));
    EXPECT_EQ(m_store.step(3), (Step{"END", "", ""}));
    EXPECT_EQ(m_store.step(4), (Step{"NOP", "", ""}));
}

TEST_F(Zk1ImportTest, CommaSeparatedPairsLowerCaseAndOddOperands)
{
    const QString file =
        write("b.zk1", fullFile("ld,27\r\nand, 28\r\nout,x5\r\nor b,999\r\nend,0\r\n", 5));
    ASSERT_TRUE(importZk1(file, m_store));
    EXPECT_EQ(m_store.step(0), (Step{"LD", "X27", ""}));
    EXPECT_EQ(m_store.step(1), (Step{"AND", "28", ""}));
    EXPECT_EQ(m_store.step(2), (Step{"OUT", "X5", ""}));
    EXPECT_EQ(m_store.step(3), (Step{"OR B", "999", ""}));
    EXPECT_EQ(m_store.step(4), (Step{"END", "", ""}));
}

TEST_F(Zk1ImportTest, ClearsEveryStepAndSetsOnlyTheName)
{
    m_store.plcType = 1;
    m_store.projectFile = "/x/y.lrp";
    m_store.blockStart = 2;
    m_store.blockEnd = 4;
    m_store.step(0).rem = "old comment";
    m_store.step(1500) = Step{"LD", "X0", ""};
    m_store.step(2000) = Step{"END", "", ""};
    const QString file = write(QStringLiteral("my prog.ZK1"), fullFile("LD\r\n0\r\n", 1));
    ASSERT_TRUE(importZk1(file, m_store));
    EXPECT_EQ(m_store.step(0), (Step{"LD", "X0", ""}));
    EXPECT_TRUE(m_store.step(1500).isEmpty());
    EXPECT_TRUE(m_store.step(2000).isEmpty());
    EXPECT_EQ(m_store.projectName, "myprog");
    EXPECT_EQ(m_store.plcType, 1);
    EXPECT_EQ(m_store.projectFile, "/x/y.lrp");
    EXPECT_EQ(m_store.blockStart, 2);
    EXPECT_EQ(m_store.blockEnd, 4);
}

TEST_F(Zk1ImportTest, ShortFileLeavesTheRestEmptyAndSaysSo)
{
    m_store.step(1) = Step{"OUT", "Y30", ""};
    const FileStatus status = importZk1(write("s.zk1", "LD\r\n400\r\nOUT"), m_store);
    EXPECT_TRUE(status);
    EXPECT_TRUE(status.truncated);
    EXPECT_EQ(status.number, 62);
    EXPECT_EQ(m_store.step(0), (Step{"LD", "X400", ""}));
    EXPECT_EQ(m_store.step(1), (Step{"OUT", "", ""}));
    EXPECT_TRUE(m_store.step(2).isEmpty());
}

TEST_F(Zk1ImportTest, MissingFileChangesNothing)
{
    m_store.step(0) = Step{"LD", "X0", "c"};
    m_store.projectName = "keep";
    const FileStatus status = importZk1(m_dir.filePath("none.zk1"), m_store);
    EXPECT_FALSE(status);
    EXPECT_EQ(status.number, 53);
    EXPECT_EQ(m_store.step(0), (Step{"LD", "X0", "c"}));
    EXPECT_EQ(m_store.projectName, "keep");
}
