#include "FileTestSupport.h"
#include "files/ProjectFiles.h"

#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::testing;

namespace {

class Zk1ImportTest : public ::testing::Test {
protected:
    // The pairs, followed by NOP steps up to the 1000 a ZK1 file holds.
    QString write(const QString& name, const QByteArray& pairs, int pairCount)
    {
        QByteArray bytes = pairs;
        for (int i = pairCount; i < 1000; ++i)
            bytes += "NOP\r\n\r\n";
        return m_files.write(name, bytes);
    }

    TempFolder m_files;
    ProgramStore m_store;
};

} // namespace

TEST_F(Zk1ImportTest, PutsTheDeviceLettersBack)
{
    const QString file = write("a.zk1", "LD\r\n400\r\nOUT\r\n050\r\nK\r\n100\r\nEND\r\n0\r\n", 4);
    const FileStatus status = importZk1(file, m_store);
    ASSERT_TRUE(status);
    EXPECT_FALSE(status.truncated);
    EXPECT_EQ(m_store.step(0), (Step{"LD", "X400", ""}));
    EXPECT_EQ(m_store.step(1), (Step{"OUT", "T050", ""}));
    EXPECT_EQ(m_store.step(2), (Step{"K", "100", ""}));
    EXPECT_EQ(m_store.step(3), (Step{"END", "", ""}));
    EXPECT_EQ(m_store.step(999), (Step{"NOP", "", ""}));
}

TEST_F(Zk1ImportTest, CommaSeparatedPairsLowerCaseAndOddOperands)
{
    const QString file = write("b.zk1", "ld,27\r\nand, 28\r\nout,x5\r\nor b,999\r\nend,0\r\n", 5);
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
    m_store.blockEnd = 4;
    m_store.step(0).rem = "old comment";
    m_store.step(2000) = Step{"END", "", ""};
    ASSERT_TRUE(importZk1(write(QStringLiteral("my prog.ZK1"), "LD\r\n0\r\n", 1), m_store));
    EXPECT_EQ(m_store.step(0), (Step{"LD", "X0", ""}));
    EXPECT_TRUE(m_store.step(2000).isEmpty());
    EXPECT_EQ(m_store.projectName, "myprog");
    EXPECT_EQ(m_store.plcType, 1);
    EXPECT_EQ(m_store.projectFile, "/x/y.lrp");
    EXPECT_EQ(m_store.blockEnd, 4);
}

TEST_F(Zk1ImportTest, ShortFileLeavesTheRestEmptyAndAMissingOneChangesNothing)
{
    m_store.step(1) = Step{"OUT", "Y30", ""};
    m_store.step(5) = Step{"LD", "X0", "c"};
    const FileStatus status = importZk1(m_files.write("s.zk1", "LD\r\n400\r\nOUT"), m_store);
    EXPECT_TRUE(status);
    EXPECT_TRUE(status.truncated);
    EXPECT_EQ(status.number, 62);
    EXPECT_EQ(m_store.step(0), (Step{"LD", "X400", ""}));
    EXPECT_EQ(m_store.step(1), (Step{"OUT", "", ""}));
    EXPECT_TRUE(m_store.step(5).isEmpty());

    m_store.step(5) = Step{"LD", "X0", "c"};
    EXPECT_EQ(importZk1(m_files.path("none.zk1"), m_store).number, 53);
    EXPECT_EQ(m_store.step(5), (Step{"LD", "X0", "c"}));
    EXPECT_EQ(m_store.projectName, "s");
}
