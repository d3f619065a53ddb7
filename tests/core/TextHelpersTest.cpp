#include "core/TextHelpers.h"

#include <gtest/gtest.h>

using namespace ladrix;

TEST(PadZero, FillsOnTheLeftAndNeverCuts)
{
    QString s = "7";
    EXPECT_EQ(padZero(s, 4), "0007");
    EXPECT_EQ(s, "0007") << "the caller's text is padded in place";
    QString five = "12345";
    EXPECT_EQ(padZero(five, 4), "12345");
    QString empty;
    EXPECT_EQ(padZero(empty, 4), "");
    EXPECT_EQ(padZeroCopy(" 5", 3), "005") << "blanks are dropped while filling";
}

TEST(PadSpace, FillsOnTheRightOrCuts)
{
    QString ld = "LD";
    EXPECT_EQ(padSpace(ld, 5), "LD   ");
    QString seven = "ABCDEFG";
    EXPECT_EQ(padSpace(seven, 5), "ABCDE");
    EXPECT_EQ(seven, "ABCDEFG") << "cutting leaves the caller's text alone";
    QString empty;
    EXPECT_EQ(padSpace(empty, 5), "");
}

TEST(SplitPath, GivesFolderNameWithoutBlanksAndExtension)
{
    const struct {
        QString path, folder, name, ext;
    } rows[]{
        {R"(D:\plc\test run.lrp)", R"(D:\plc\)", "testrun", ".lrp"},
        {"/home/u/my prog.LRP", "/home/u/", "myprog", ".LRP"},
        {"noext", "", "noext", ""},
        {R"(C:\dir.v2\file)", R"(C:\dir.v2\)", "file", ""}, // a dot in a folder is no extension
        {"a.b.zk1", "", "a.b", ".zk1"},
        {"", "", "", ""},
    };
    for (const auto& row : rows) {
        QString name = "stale", ext = "stale";
        EXPECT_EQ(splitPath(row.path, name, ext), row.folder) << row.path.toStdString();
        EXPECT_EQ(name, row.name) << row.path.toStdString();
        EXPECT_EQ(ext, row.ext) << row.path.toStdString();
    }
    EXPECT_EQ(baseNameOf("项目/工程 一.lrp"), "工程一");
}
