#include "core/NumberReading.h"
#include "core/RuntimeError.h"

#include <gtest/gtest.h>

using namespace ladrix;

TEST(NumberReading, ReadsDecimalPrefixIgnoringBlanks)
{
    EXPECT_DOUBLE_EQ(readNumber(u"27"), 27);
    EXPECT_DOUBLE_EQ(readNumber(u" 1 2 3 "), 123);
    EXPECT_DOUBLE_EQ(readNumber(u"12.3abc"), 12.3);
    EXPECT_DOUBLE_EQ(readNumber(u"-5x"), -5);
    EXPECT_DOUBLE_EQ(readNumber(u"1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(readNumber(u"1e2"), 100);
    EXPECT_DOUBLE_EQ(readNumber(u"7e"), 7);
}

TEST(NumberReading, TextWithoutDigitsGivesZero)
{
    EXPECT_DOUBLE_EQ(readNumber(u""), 0);
    EXPECT_DOUBLE_EQ(readNumber(u"abc"), 0);
    EXPECT_DOUBLE_EQ(readNumber(u"-"), 0);
    EXPECT_DOUBLE_EQ(readNumber(u"."), 0);
}

TEST(NumberReading, RoundsHalfToEven)
{
    EXPECT_EQ(readInteger16(u"2.5"), 2);
    EXPECT_EQ(readInteger16(u"3.5"), 4);
    EXPECT_EQ(readInteger16(u"-2.5"), -2);
    EXPECT_EQ(readInteger16(u"12.3"), 12);
}

TEST(NumberReading, SixteenBitOverflowIsReportedWithItsText)
{
    EXPECT_EQ(readInteger16(u"32767"), 32767);
    EXPECT_EQ(readInteger16(u"-32768"), -32768);
    try {
        readInteger16(u"99999");
        FAIL() << "no overflow";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), RuntimeError::Overflow);
        EXPECT_TRUE(e.description().contains(u"99999"));
        EXPECT_EQ(e.title(), QStringLiteral("错误 6"));
    }
    EXPECT_THROW(readInteger16(u"1e400"), RuntimeError);
    EXPECT_THROW(readInteger16(u"32767.5"), RuntimeError);
}
