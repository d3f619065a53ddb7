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

TEST(SplitPath, SplitsWindowsPaths)
{
    QString name, ext;
    EXPECT_EQ(splitPath(R"(D:\plc\test run.lrp)", name, ext), R"(D:\plc\)");
    EXPECT_EQ(name, "testrun");
    EXPECT_EQ(ext, ".lrp");
}

TEST(SplitPath, GivesSoundResultsForUnusualPaths)
{
    QString name, ext;
    EXPECT_EQ(splitPath("/home/u/my prog.LRP", name, ext), "/home/u/");
    EXPECT_EQ(name, "myprog");
    EXPECT_EQ(ext, ".LRP");

    EXPECT_EQ(splitPath("noext", name, ext), "");
    EXPECT_EQ(name, "noext");
    EXPECT_EQ(ext, "");

    EXPECT_EQ(splitPath(R"(C:\dir.v2\file)", name, ext), R"(C:\dir.v2\)");
    EXPECT_EQ(name, "file") << "a dot in a folder name is no extension";
    EXPECT_EQ(ext, "");

    EXPECT_EQ(splitPath("a.b.zk1", name, ext), "");
    EXPECT_EQ(name, "a.b");
    EXPECT_EQ(ext, ".zk1");

    name = "stale";
    EXPECT_EQ(splitPath("", name, ext), "");
    EXPECT_EQ(name, "");
    EXPECT_EQ(baseNameOf("项目/工程 一.lrp"), "工程一");
}
