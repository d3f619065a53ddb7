#include "../files/FileTestSupport.h"
#include "CliRunner.h"
#include "files/ProjectFiles.h"

#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::testing;

namespace {

// Saves the mnemonic, operand pairs as p.ins and returns its path.
QString saved(const TempFolder& dir, const QStringList& pairs)
{
    ProgramStore store;
    for (int i = 0; i + 1 < pairs.size(); i += 2)
        store.step(i / 2) = Step{pairs[i], pairs[i + 1], ""};
    const QString file = dir.path("p.ins");
    EXPECT_TRUE(saveInstructionList(file, store));
    return file;
}

} // namespace

TEST(CheckTest, PrintsLineAndStructureFindingsInStepOrder)
{
    TempFolder dir;
    const QString file = saved(dir, {"LD", "X0",     "MOV", "D700",  "LD",  "X1",  "OUT",   "Y30",
                                     "LD", "X99999", "OUT", "T50",   "",    "Y30", "LD X0", "",
                                     "",   "SFT",    "",    "'note", "END", "",    "MOV",   ""});
    const CliRun run = runCli({"check", file});
    EXPECT_EQ(run.exitCode, 1);
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 9) << run.out.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("0001: 错误的指令MOV"));
    EXPECT_EQ(lines[1], QStringLiteral("0002: LD X1开始的块没有用ANB或ORB连接"));
    // A device number beyond 16 bits is a refusal too, with the fault's text.
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("0004: 溢出"))) << lines[2].toStdString();
    EXPECT_EQ(lines[3], QStringLiteral("0005: OUT T50之后没有K步"));
    EXPECT_EQ(lines[4], QStringLiteral("0006: 错误的指令Y30"));
    // A hand-written "LD X0" in the mnemonic's line, or an operand (even a comment) with no
    // mnemonic, would read as a good line, but the step holds no instruction.
    EXPECT_EQ(lines[5], QStringLiteral("0007: 错误的指令LD X0"));
    EXPECT_EQ(lines[6], QStringLiteral("0008: 错误的指令"));
    EXPECT_EQ(lines[7], QStringLiteral("0009: 错误的指令"));
    // Steps after END are not checked, only counted.
    EXPECT_EQ(lines[8], QStringLiteral("0011: END之后还有1个非空步"));
}

TEST(CheckTest, ReportsTextAfterTheDeviceNumber)
{
    TempFolder dir;
    const QString file = saved(dir, {"LD", "X5ANI    X27", "OUT", "T50LD X28", "K", "12ABC", "LD",
                                     "X5,ANI", "OUT", "Y30'NOTE", "END", ""});
    const CliRun run = runCli({"check", file});
    EXPECT_EQ(run.exitCode, 1);
    // An operand that is no device number names no timer, so the K step stands alone.
    EXPECT_EQ(run.out, QStringLiteral("0000: 无效的器件号x5ani    x27\n"
                                      "0001: 无效的器件号t50ld x28\n"
                                      "0002: K 12ABC之前没有定时器或计数器的OUT\n"
                                      "0003: 无效的器件号x5,ani\n"
                                      "0004: 无效的器件号y30'note\n"));
}

TEST(CheckTest, ProjectInstructionListAndZk1FilesAreCheckedAndOthersRefused)
{
    TempFolder dir;
    saved(dir, {"LD", "X0", "OUT", "T50", "K", "100", "END", ""});
    ProgramStore store;
    store.step(0) = Step{"STL", "M100", ""};
    ASSERT_TRUE(saveProject(dir.path("p.LRP"), store, LadderGrid()));
    dir.write("z.zk1", "LD\r\n400\r\nOUT\r\n050\r\nK\r\n10\r\nEND\r\n0\r\n");
    const struct {
        QString file;
        int exitCode;
        QString out, errHas;
    } rows[] = {{"p.ins", 0, "", ""},
                {"p.LRP", 1,
                 QStringLiteral("0000: 指令STL不支持M\n0000: STL M100开始的步进梯形图没有RET\n"
                                "0001: 程序没有END指令\n"),
                 ""},
                {"z.zk1", 0, "", ""},
                {"p.lad", 2, "", ""},
                {"missing.ins", 2, "", "missing.ins"}};
    for (const auto& row : rows) {
        const CliRun run = runCli({"check", dir.path(row.file)});
        EXPECT_EQ(run.exitCode, row.exitCode) << row.file.toStdString();
        EXPECT_EQ(run.out, row.out) << row.file.toStdString();
        EXPECT_TRUE(run.err.contains(row.errHas)) << run.err.toStdString();
    }
}
