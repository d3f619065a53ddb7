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

TEST(CheckTest, ReportsEveryRefusedStepWithItsMessage)
{
    TempFolder dir;
    const QString file =
        saved(dir, {"LD", "X0",     "MOV", "D700",  "LD",  "X28", "OUT", "X0",  "",      "",
                    "LD", "X99999", "",    "Y30",   "ld",  "x1",  "K",   "ABC", "LD X0", "",
                    "",   "SFT",    "",    "'note", "END", "",    "MOV", ""});
    const CliRun run = runCli({"check", file});
    EXPECT_EQ(run.exitCode, 1);
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 8) << run.out.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("0001: 错误的指令MOV"));
    EXPECT_EQ(lines[1], QStringLiteral("0002: 无效的器件号x28"));
    EXPECT_EQ(lines[2], QStringLiteral("0003: 指令OUT不支持X"));
    // A device number beyond 16 bits is a refusal too, with the fault's text.
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("0005: 溢出"))) << lines[3].toStdString();
    EXPECT_EQ(lines[4], QStringLiteral("0006: 错误的指令Y30"));
    // A hand-written "LD X0" in the mnemonic's line, or an operand (even a comment) with no
    // mnemonic, would read as a good line, but the step holds no instruction.
    EXPECT_EQ(lines[5], QStringLiteral("0009: 错误的指令LD X0"));
    EXPECT_EQ(lines[6], QStringLiteral("0010: 错误的指令"));
    EXPECT_EQ(lines[7], QStringLiteral("0011: 错误的指令"));
}

TEST(CheckTest, ReportsTextAfterTheDeviceNumber)
{
    TempFolder dir;
    const QString file = saved(dir, {"LD", "X5ANI    X27", "OUT", "T50LD X28", "K", "12ABC", "LD",
                                     "X5,ANI", "OUT", "Y30'NOTE", "END", ""});
    const CliRun run = runCli({"check", file});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, QStringLiteral("0000: 无效的器件号x5ani    x27\n"
                                      "0001: 无效的器件号t50ld x28\n"
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
    dir.write("z.zk1", "LD\r\n400\r\nOUT\r\n050\r\nEND\r\n0\r\n");
    const struct {
        QString file;
        int exitCode;
        QString out, errHas;
    } rows[] = {{"p.ins", 0, "", ""},
                {"p.LRP", 1, QStringLiteral("0000: 指令STL不支持M\n"), ""},
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
