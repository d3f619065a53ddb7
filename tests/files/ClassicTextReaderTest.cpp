#include "files/ClassicTextReader.h"
#include "FileTestSupport.h"
#include "files/ClassicTextWriter.h"

#include <QBuffer>
#include <gtest/gtest.h>

using namespace ladrix;
using ladrix::testing::gbk;

namespace {

QBuffer& opened(QBuffer& buffer)
{
    buffer.open(QIODevice::ReadOnly);
    return buffer;
}

// A reader over `bytes`.
struct Reading {
    explicit Reading(const QByteArray& bytes) : data(bytes), buffer(&data), reader(opened(buffer))
    {
    }

    QStringList fields()
    {
        QStringList all;
        QString field;
        while (reader.readText(field))
            all << field;
        return all;
    }

    QByteArray data;
    QBuffer buffer;
    ClassicTextReader reader;
};

} // namespace

TEST(ClassicTextReader, SplitsFieldsAsTheClassicInputStatement)
{
    const struct {
        const char* name;
        QByteArray bytes;
        QStringList fields;
    } rows[] = {
        {"CR LF lines", "LD\r\nX0\r\n", {"LD", "X0"}},
        {"commas and every kind of line end",
         "LD,X0\r\nOUT\nY30\rEND",
         {"LD", "X0", "OUT", "Y30", "END"}},
        {"comma at a line end leaves an empty field", "a,\r\nb\r\n", {"a", "", "b"}},
        {"empty lines", "\r\n\r\nx\r\n", {"", "", "x"}},
        {"empty input", "", {}},
        {"after a comma reading goes on on the same line",
         "my,name\r\n 1 \r\nLD\r\n",
         {"my", "name", "1 ", "LD"}},
        {"leading blanks and tabs skipped, trailing kept", "   LD  \r\n\t X0\r\n", {"LD  ", "X0"}},
        {"blank line", "    \r\nY", {"", "Y"}},
        {"quoted field runs to the closing quote", "\"a,b\"\r\nc\r\n", {"a,b", "c"}},
        {"quoted field keeps its blanks", "  \"  x \"\r\n", {"  x "}},
        {"rest after the closing quote dropped", "\"ab\"cd,ef\r\n", {"ab", "ef"}},
        {"unclosed quote ends at the line end",
         "\"open, field\r\nnext\r\n",
         {"open, field", "next"}},
        {"quote inside an unquoted field is ordinary", "a\"b\r\n", {"a\"b"}},
        {"code page 936",
         gbk(QStringLiteral("新工程\r\n定时器\r\n")),
         {QStringLiteral("新工程"), QStringLiteral("定时器")}},
        {"UTF-8 with its byte-order mark",
         "\xEF\xBB\xBF" + QStringLiteral("新工程\r\nLD\r\n").toUtf8(),
         {QStringLiteral("新工程"), "LD"}},
        {"UTF-16 with its byte-order mark, a Ctrl-Z byte inside a character",
         QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char*>(u"业,LD\r\n"), 12),
         {QStringLiteral("业"), "LD"}},
        {"Ctrl-Z ends a DOS text file", "LD\r\nX0\r\n\x1A\x1A garbage\r\n", {"LD", "X0"}},
        {"the mark inside a file is no mark", "x\r\n\xEF\xBB\xBF", {"x", QStringLiteral("锘")}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Reading(row.bytes).fields(), row.fields) << row.name;

    const QStringList damaged = Reading(QByteArray("A\xff\x00Z\r\n\x81", 7)).fields();
    ASSERT_EQ(damaged.size(), 1);
    EXPECT_TRUE(damaged.first().startsWith(u'A') && damaged.first().endsWith(u'Z'));
}

TEST(ClassicTextReader, FieldsAndLineEndsSplitAcrossReadChunks)
{
    // 64 KiB chunks: put a two-byte character and a CR LF across the boundary.
    const qsizetype chunk = 64 * 1024;
    QByteArray bytes = QByteArray("x\r\n").repeated(chunk / 3);
    ASSERT_EQ(bytes.size(), chunk - 1);
    QStringList fields = Reading(bytes + gbk(QStringLiteral("新")) + "\r\nnext\r\n").fields();
    ASSERT_EQ(fields.size(), chunk / 3 + 2);
    EXPECT_EQ(fields[chunk / 3], QStringLiteral("新"));
    EXPECT_EQ(fields.last(), "next");

    fields = Reading(QByteArray(chunk - 1, ',') + "\r\nlast\r\n").fields();
    ASSERT_EQ(fields.size(), chunk + 1);
    EXPECT_EQ(fields[chunk - 1], "");
    EXPECT_EQ(fields.last(), "last");
}

TEST(ClassicTextReader, OverlongFieldsAreCutAndCountedAsDamage)
{
    Reading reading(QByteArray(5 * 1024 * 1024, 'x') + "\r\nshort\r\n");
    const QStringList fields = reading.fields();
    ASSERT_EQ(fields.size(), 2);
    EXPECT_EQ(fields[0].size(), ClassicTextReader::kMaxFieldLength);
    EXPECT_EQ(fields[1], "short");
    EXPECT_EQ(reading.reader.damagedFields(), 1);
}

TEST(ClassicTextReader, IntegersReadClassicallyAndDamageKeepsThePreviousValue)
{
    // Blanks inside are ignored, reading stops at the first character that cannot continue a
    // number, halves round to even and a blank field is zero. Damage keeps the 77 held before.
    const struct {
        QByteArray bytes;
        qint16 value;
        int damaged;
    } rows[] = {{" 1 \r\n", 1, 0},      {"-1 \r\n", -1, 0},   {" 32767 ", 32767, 0},
                {"-32768 ", -32768, 0}, {" 7,8", 7, 0},       {"1 2", 12, 0},
                {"6abc", 6, 0},         {"2.5", 2, 0},        {"3.5", 4, 0},
                {"   \r\n", 0, 0},      {"abc\r\n", 77, 1},   {"99999\r\n", 77, 1},
                {"-\r\n", 77, 1},       {"1e400\r\n", 77, 1}, {"\"x\"\r\n", 77, 1}};
    for (const auto& row : rows) {
        Reading reading(row.bytes);
        qint16 value = 77;
        EXPECT_TRUE(reading.reader.readInteger(value)) << row.bytes.constData();
        EXPECT_EQ(value, row.value) << row.bytes.constData();
        EXPECT_EQ(reading.reader.damagedFields(), row.damaged) << row.bytes.constData();
    }
    Reading atEnd("");
    qint16 value = 5;
    EXPECT_FALSE(atEnd.reader.readInteger(value));
    EXPECT_EQ(value, 5);
}

TEST(ClassicTextWriter, WritesIntegersAndTextsAsTheClassicPrintStatement)
{
    ClassicTextWriter writer;
    for (const int value : {1, 0, -1, 10000})
        writer.writeInteger(value);
    for (const QString& text : {QString("LD"), QString(), QStringLiteral("新工程")})
        writer.writeText(text);
    EXPECT_EQ(writer.lineCount(), 7);
    EXPECT_EQ(writer.encoded(),
              QByteArray(" 1 \r\n 0 \r\n-1 \r\n 10000 \r\nLD\r\n\r\n\xd0\xc2\xb9\xa4\xb3\xcc\r\n"));
}

TEST(ClassicTextWriter, TextsThatWouldMisreadAreQuotedAndReadBackAsOneField)
{
    const QStringList texts = {"a,b",     " lead",         "\tTab",      "\"q",
                               "x,\"y\"", "line\r\nbreak", "end blank ", "plain"};
    ClassicTextWriter writer;
    for (const QString& text : texts)
        writer.writeText(text);
    EXPECT_TRUE(writer.encoded().startsWith("\"a,b\"\r\n\" lead\"\r\n"));
    // A double quote cannot be carried inside a quoted field: it comes back as an apostrophe.
    EXPECT_EQ(Reading(writer.encoded()).fields(),
              QStringList(
                  {"a,b", " lead", "\tTab", "'q", "x,'y'", "line  break", "end blank ", "plain"}));
}

TEST(ClassicTextWriter, InvisibleCharactersTheCodePageDropsDoNotHideAQuoteOrBlankBehindThem)
{
    // Soft hyphen, zero-width space, byte-order mark: GBK has no bytes for them.
    const QStringList texts = {QStringLiteral("\u00AD\"q"), QStringLiteral("\u200B lead"),
                               QStringLiteral("\uFEFF\u00ADplain")};
    ClassicTextWriter writer;
    for (const QString& text : texts)
        writer.writeText(text);
    EXPECT_EQ(Reading(writer.encoded()).fields(), QStringList({"'q", " lead", "plain"}));
}

TEST(ClassicTextWriter, AFirstTextWhoseBytesLookLikeAByteOrderMarkReadsBackAsWritten)
{
    // 锘开 is EF BB BF AA in GBK: the UTF-8 mark.
    const QStringList texts = {QStringLiteral("锘开关"), QStringLiteral("锘开关")};
    ClassicTextWriter writer;
    for (const QString& text : texts)
        writer.writeText(text);
    EXPECT_TRUE(writer.encoded().startsWith(" \xef\xbb\xbf"));
    EXPECT_EQ(Reading(writer.encoded()).fields(), texts);
}
