#include "core/NumberReading.h"
#include "core/RuntimeError.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <clocale>
#include <gtest/gtest.h>
#include <string>

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

namespace {

// Switches LC_NUMERIC to a locale that writes 12,5, compiling one into a temporary folder when
// none is installed. False when neither works.
bool useDecimalCommaLocale(const QTemporaryDir& dir)
{
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        return true;
    const QString made = dir.filePath("de_DE.UTF-8");
    if (QProcess::execute("localedef", {"-i", "de_DE", "-f", "UTF-8", made}) != 0)
        return false;
    qputenv("LOCPATH", QFile::encodeName(dir.path()));
    const bool switched = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    qunsetenv("LOCPATH");
    return switched;
}

} // namespace

// The application takes LC_NUMERIC from the environment; a decimal comma there must not change
// how a program's numbers read.
TEST(NumberReading, PointIsTheDecimalSignWhateverTheLocale)
{
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    QTemporaryDir dir;
    if (!useDecimalCommaLocale(dir))
        GTEST_SKIP() << "no locale with a decimal comma available";
    const double value = readNumber(u"12.5");
    const qint16 rounded = readInteger16(u"27.6");
    std::setlocale(LC_NUMERIC, before.c_str());
    EXPECT_DOUBLE_EQ(value, 12.5);
    EXPECT_EQ(rounded, 28);
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
