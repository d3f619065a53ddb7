#include "files/ClassicTextReader.h"
#include "FileTestSupport.h"
#include "files/ClassicTextWriter.h"

#include <QBuffer>
#include <gtest/gtest.h>

using namespace ladrix;
using ladrix::testing::gbk;

namespace {

// Reads every field of `bytes` as text.
QStringList fieldsOf(const QByteArray& bytes)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    ClassicTextReader reader(buffer);
    QStringList fields;
    QString field;
    while (reader.readText(field))
        fields << field;
    return fields;
}

struct IntegerRead {
    bool read;
    qint16 value;
    int damaged;
};

IntegerRead integerOf(const QByteArray& bytes, qint16 previous = 77)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    ClassicTextReader reader(buffer);
    IntegerRead result{false, previous, 0};
    result.read = reader.readInteger(result.value);
    result.damaged = reader.damagedFields();
    return result;
}

} // namespace

TEST(ClassicTextReader, FieldsEndAtCommasAndEveryKindOfLineEnd)
{
    EXPECT_EQ(fieldsOf("LD\r\nX0\r\n"), QStringList({"LD", "X0"}));
    EXPECT_EQ(fieldsOf("LD,X0\r\nOUT\nY30\rEND"), QStringList({"LD", "X0", "OUT", "Y30", "END"}));
    // A comma at the end of a line leaves an empty field before the line end.
    EXPECT_EQ(fieldsOf("a,\r\nb\r\n"), QStringList({"a", "", "b"}));
    EXPECT_EQ(fieldsOf("\r\n\r\nx\r\n"), QStringList({"", "", "x"}));
    EXPECT_TRUE(fieldsOf("").isEmpty());
}

TEST(ClassicTextReader, CommaShiftsTheFollowingFieldsAndLeadingBlanksAreSkipped)
{
    // The classic reader continues after the comma on the same line.
    EXPECT_EQ(fieldsOf("my,name\r\n 1 \r\nLD\r\n"), QStringList({"my", "name", "1 ", "LD"}));
    EXPECT_EQ(fieldsOf("   LD  \r\n\t X0\r\n"), QStringList({"LD  ", "X0"}));
    EXPECT_EQ(fieldsOf("    \r\nY"), QStringList({"", "Y"}));
}

TEST(ClassicTextReader, QuotedFieldsRunToTheClosingQuote)
{
    EXPECT_EQ(fieldsOf("\"a,b\"\r\nc\r\n"), QStringList({"a,b", "c"}));
    EXPECT_EQ(fieldsOf("  \"  x \"\r\n"), QStringList({"  x "}));
    // What follows the closing quote up to the delimiter is dropped.
    EXPECT_EQ(fieldsOf("\"ab\"cd,ef\r\n"), QStringList({"ab", "ef"}));
    // A quote that is never closed ends at the line end.
    EXPECT_EQ(fieldsOf("\"open, field\r\nnext\r\n"), QStringList({"open, field", "next"}));
    // A quote inside an unquoted field is an ordinary character.
    EXPECT_EQ(fieldsOf("a\"b\r\n"), QStringList({"a\"b"}));
}

TEST(ClassicTextReader, DecodesCodePage936AndSurvivesInvalidBytes)
{
    EXPECT_EQ(fieldsOf(gbk(QStringLiteral("新工程\r\n定时器\r\n"))),
              QStringList({QStringLiteral("新工程"), QStringLiteral("定时器")}));
    const QStringList damaged = fieldsOf(QByteArray("A\xff\x00Z\r\n\x81", 7));
    ASSERT_EQ(damaged.size(), 1);
    EXPECT_TRUE(damaged.first().startsWith(u'A'));
    EXPECT_TRUE(damaged.first().endsWith(u'Z'));
}

TEST(ClassicTextReader, FieldsAndLineEndsSplitAcrossReadChunks)
{
    // 64 KiB chunks: put a two-byte character and a CR LF across the boundary.
    const qsizetype chunk = 64 * 1024;
    QByteArray bytes = QByteArray("x\r\n").repeated(chunk / 3);
    ASSERT_EQ(bytes.size(), chunk - 1);
    bytes += gbk(QStringLiteral("新")) + "\r\nnext\r\n";
    QStringList fields = fieldsOf(bytes);
    ASSERT_EQ(fields.size(), chunk / 3 + 2);
    EXPECT_EQ(fields[chunk / 3], QStringLiteral("新"));
    EXPECT_EQ(fields.last(), "next");

    bytes = QByteArray(chunk - 1, ',') + "\r\nlast\r\n";
    fields = fieldsOf(bytes);
    ASSERT_EQ(fields.size(), chunk + 1);
    EXPECT_EQ(fields[chunk - 1], "");
    EXPECT_EQ(fields.last(), "last");
}

TEST(ClassicTextReader, OverlongFieldsAreCutAndCountedAsDamage)
{
    QByteArray data = QByteArray(5 * 1024 * 1024, 'x') + "\r\nshort\r\n";
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    ClassicTextReader reader(buffer);
    QString field;
    ASSERT_TRUE(reader.readText(field));
    EXPECT_EQ(field.size(), ClassicTextReader::kMaxFieldLength);
    ASSERT_TRUE(reader.readText(field));
    EXPECT_EQ(field, "short");
    EXPECT_EQ(reader.damagedFields(), 1);
}

TEST(ClassicTextReader, IntegersReadClassicallyAndDamageKeepsThePreviousValue)
{
    const std::pair<QByteArray, qint16> good[] = {
        {" 1 \r\n", 1},
        {"-1 \r\n", -1},
        {" 32767 ", 32767},
        {"-32768 ", -32768},
        {" 7,8", 7},
        // Blanks inside are ignored, reading stops at the first character that cannot
        // continue a number, halves round to even, and a blank field is zero.
        {"1 2", 12},
        {"6abc", 6},
        {"2.5", 2},
        {"3.5", 4},
        {"   \r\n", 0}};
    for (const auto& [bytes, value] : good) {
        const IntegerRead read = integerOf(bytes);
        EXPECT_TRUE(read.read);
        EXPECT_EQ(read.value, value) << bytes.constData();
        EXPECT_EQ(read.damaged, 0) << bytes.constData();
    }
    for (const QByteArray& damaged : {QByteArray("abc"), QByteArray("99999"), QByteArray("-"),
                                      QByteArray("1e400"), QByteArray("\"x\"")}) {
        const IntegerRead read = integerOf(damaged + "\r\n", 77);
        EXPECT_TRUE(read.read) << damaged.constData();
        EXPECT_EQ(read.value, 77) << damaged.constData();
        EXPECT_EQ(read.damaged, 1) << damaged.constData();
    }
    const IntegerRead atEnd = integerOf("", 5);
    EXPECT_FALSE(atEnd.read);
    EXPECT_EQ(atEnd.value, 5);
}

TEST(ClassicTextWriter, WritesIntegersAndTextsAsTheClassicPrintStatement)
{
    ClassicTextWriter writer;
    writer.writeInteger(1);
    writer.writeInteger(0);
    writer.writeInteger(-1);
    writer.writeInteger(10000);
    writer.writeText(u"LD");
    writer.writeText(u"");
    writer.writeText(QStringLiteral("新工程"));
    EXPECT_EQ(writer.lineCount(), 7);
    EXPECT_EQ(writer.encoded(), QByteArray(" 1 \r\n 0 \r\n-1 \r\n 10000 \r\nLD\r\n\r\n") +
                                    QByteArray("\xd0\xc2\xb9\xa4\xb3\xcc\r\n"));
}

TEST(ClassicTextWriter, TextsThatWouldMisreadAreQuotedAndReadBackAsOneField)
{
    const QStringList texts = {"a,b",     " lead",         "\tTab",      "\"q",
                               "x,\"y\"", "line\r\nbreak", "end blank ", "plain"};
    ClassicTextWriter writer;
    for (const QString& text : texts)
        writer.writeText(text);
    const QByteArray bytes = writer.encoded();
    EXPECT_TRUE(bytes.startsWith("\"a,b\"\r\n\" lead\"\r\n"));
    const QStringList back = fieldsOf(bytes);
    ASSERT_EQ(back.size(), texts.size());
    EXPECT_EQ(back.mid(0, 3), texts.mid(0, 3));
    // A double quote cannot be carried inside a quoted field: it comes back as an apostrophe.
    EXPECT_EQ(back[3], "'q");
    EXPECT_EQ(back[4], "x,'y'");
    EXPECT_EQ(back[5], "line  break");
    EXPECT_EQ(back.mid(6), texts.mid(6));
}
