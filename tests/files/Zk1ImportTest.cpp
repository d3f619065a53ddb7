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
        return m_files.write(name, pairs + QByteArray("NOP\r\n\r\n").repeated(1000 - pairCount));
    }

    TempFolder m_files;
    ProgramStore m_store;
};

} // namespace

TEST_F(Zk1ImportTest, PutsTheDeviceLettersBack)
{
    const std::pair<QByteArray, QStringList> rows[] = {
        {"LD\r\n400\r\nOUT\r\n050\r\nK\r\n100\r\nEND\r\n0\r\n",
         {"LD,X400,", "OUT,T050,", "K,100,", "END,,"}},
        // Comma separated pairs, lower case and odd operands.
        {"ld,27\r\nand, 28\r\nout,x5\r\nor b,999\r\nend,0\r\n",
         {"LD,X27,", "AND,28,", "OUT,X5,", "OR B,999,", "END,,"}}};
    for (const auto& [pairs, steps] : rows) {
        const FileStatus status = importZk1(write("a.zk1", pairs, int(steps.size())), m_store);
        ASSERT_TRUE(status);
        EXPECT_FALSE(status.truncated);
        EXPECT_EQ(stepsOf(m_store, int(steps.size())), steps);
        EXPECT_EQ(m_store.step(999), (Step{"NOP", "", ""}));
    }
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
    EXPECT_EQ(stepsOf(m_store, 6), QStringList({"LD,X400,", "OUT,,", ",,", ",,", ",,", ",,"}));

    // Steps past the 1000 a ZK1 file holds are not read, and the user is told so; blank lines
    // and empty fields at the end are no steps.
    const QByteArray full = QByteArray("LD\r\n400\r\n").repeated(1000);
    for (const auto& [tail, warned] :
         {std::pair{"\r\n\r\n , \r\n", false}, std::pair{"OUT\r\n430\r\n", true}}) {
        const FileStatus longer = importZk1(m_files.write("l.zk1", full + tail), m_store);
        EXPECT_TRUE(longer && !longer.truncated);
        EXPECT_EQ(longer.message.contains("l.zk1"), warned) << longer.message.toStdString();
        EXPECT_EQ(m_store.step(999), (Step{"LD", "X400", ""}));
        EXPECT_TRUE(m_store.step(1000).isEmpty());
    }

    m_store.step(5) = Step{"LD", "X0", "c"};
    EXPECT_EQ(importZk1(m_files.path("none.zk1"), m_store).number, 53);
    EXPECT_EQ(m_store.step(5), (Step{"LD", "X0", "c"}));
    EXPECT_EQ(m_store.projectName, "l");
}
