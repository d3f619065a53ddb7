#include "SequenceFixture.h"

#include "plc/KeyCodes.h"
#include "plc/StepCoding.h"

#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::plc;
using namespace ladrix::plc::test;
using V = std::vector<std::uint8_t>;

namespace {

QByteArray bytes(int b0, int b1)
{
    return QByteArray(1, char(b0)) + char(b1);
}

} // namespace

TEST(DevToNum, StripsTheLetterOnlyForDeviceSteps)
{
    QString ins = QStringLiteral(" LD ");
    QString data = QStringLiteral("X027");
    EXPECT_EQ(devToNum(ins, data), u"027");
    EXPECT_EQ(ins, u"LD"); // trimmed in place

    ins = QStringLiteral("OUT");
    data = QString();
    EXPECT_EQ(devToNum(ins, data), u"00");
    EXPECT_EQ(data, u"000"); // an empty operand becomes 000, then loses its first character

    for (const char* m : {"", "K", "ANB", "ORB", "NOP", "END"}) {
        ins = QString::fromUtf8(m);
        data = QStringLiteral("12.3");
        EXPECT_EQ(devToNum(ins, data), u"12.3") << m;
    }
}

TEST(GetInsKey, MapsEveryMnemonicGroup)
{
    const std::pair<const char*, int> cases[] = {
        {"LD", 182},  {"LDI", 117}, {"AND", 118}, {"ANI", 230}, {"OR", 231},  {"ORI", 214},
        {"ANB", 213}, {"STL", 213}, {"ORB", 181}, {"OUT", 229}, {"PLS", 116}, {"RST", 212},
        {"SFT", 180}, {"K", 226},   {"NOP", 228}, {"S", 228},   {"MC", 228},  {"CJP", 228},
        {"", 228},    {"XYZ", 228}, {"END", 215}, {"R", 215},   {"MCR", 215}, {"EJP", 215},
        {"RET", 215}, {" LD ", 182}};
    for (const auto& [m, code] : cases)
        EXPECT_EQ(getInsKey(step(m, "")), code) << m;
    EXPECT_EQ(getInsKey(programOf("NOP; NOP; OUT Y030"), 2), 229);
}

TEST(StepKeys, SendsInstructionAndThreeDigitsOrFourForAPoint)
{
    const struct {
        const char *ins, *data;
        V keys;
    } rows[] = {
        {"K", "12.3", {226, 212, 180, 215, 116}},
        {"K", "100", {226, 212, 228, 228}},
        {"ANB", "", {213, 228, 228, 228}},
        {"LD", "X5", {182, 228, 228, 213}},
        {"OUT", "T050", {229, 228, 213, 228}},
        {"K", "1000", {226, 212, 228, 228}}, // only the first three digits of a long constant
    };
    for (const auto& row : rows) {
        DataKeys keys{};
        EXPECT_EQ(stepKeys(step(row.ins, row.data), keys), row.keys) << row.ins << row.data;
    }
}

TEST(GetDataKeys, KeepsOlderValuesWhereThisStepWritesNothing)
{
    DataKeys keys = {1, 2, 3, 99};
    getDataKeys(step("LD", "X027"), keys);
    EXPECT_EQ(keys, (DataKeys{228, 180, 117, 99}));
    getDataKeys(step("K", "1A5"), keys);
    // "A" is neither a digit nor a point: its element keeps the previous key.
    EXPECT_EQ(keys, (DataKeys{212, 180, 213, 99}));
    getDataKeys(programOf("NOP; NOP; NOP; K 12.3"), 3, keys);
    EXPECT_EQ(keys, (DataKeys{212, 180, 215, 116}));
}

TEST(StepAccepted, ComparesOnlyTheZeroFilledNumber)
{
    const struct {
        const char *ins, *data, *shownIns, *shownNum;
        bool accepted;
    } rows[] = {
        {"LD", "X5", "LD", "005", true},  {"LD", "X5", "LD", "006", false},
        {"S", "M100", "MC", "100", true}, {"ANB", "", "", "151515", true},
        {"K", "12.3", "K", "12.3", true}, {"K", "1000", "K", "100", false},
        {"K", "100", "K", " 100 ", true},
    };
    for (const auto& r : rows)
        EXPECT_EQ(stepAccepted(step(r.ins, r.data), PlcDisplay{r.shownIns, r.shownNum}), r.accepted)
            << r.ins << r.data << " shown " << r.shownNum;
}

TEST(StepFromDisplay, PutsTheLetterBackAndKeepsNop)
{
    EXPECT_EQ(stepFromDisplay({"LD", "027"}), step("LD", "X027"));
    EXPECT_EQ(stepFromDisplay({"OUT", "050"}), step("OUT", "T050"));
    EXPECT_EQ(stepFromDisplay({"NOP", "000"}), step("NOP", ""));
    EXPECT_EQ(stepFromDisplay({"K", "12.3"}), step("K", "12.3"));
}

// Each row is a word with, where given, the step that encodes to it and what it decodes to.
TEST(StepWords, EncodeAndDecodeTellSharedCodesApartByNumber)
{
    const struct {
        const char *ins, *data;
        int b0, b1;
        const char *shownIns, *shownNum;
    } rows[] = {
        {"LD", "X027", 0x22, 0x7A, "LD", "027"},  {"OUT", "Y030", 0x23, 0x04, "OUT", "030"},
        {"OUT", "Y30", 0x23, 0x04, nullptr, ""},  {"K", "100", 0x00, 0x1F, "K", "100"},
        {"K", "12.3", 0x23, 0x1E, "K", "12.3"},   {"K", "5", 0x05, 0x0F, "K", "005"},
        {"ANB", "", 0x20, 0x05, nullptr, ""},     {"STL", "S600", 0x80, 0x05, "STL", "600"},
        {"END", "", 0x20, 0x0D, nullptr, ""},     {"", "", 0x20, 0x00, nullptr, ""},
        {"LD", "X5", 0x20, 0x5A, "LD", "005"},    {"RET", "M575", 0x77, 0x5D, "RET", "575"},
        {"CJP", "D700", 0x90, 0x00, nullptr, ""}, {nullptr, "", 0x32, 0x00, "MC", "120"},
        {nullptr, "", 0x21, 0x20, "S", "012"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << std::hex << r.b0 << " " << r.b1);
        if (r.ins) {
            EXPECT_EQ(encodeStep(step(r.ins, r.data)), bytes(r.b0, r.b1));
        }
        if (r.shownIns) {
            EXPECT_EQ(decodeWord(r.b0, r.b1), (PlcDisplay{r.shownIns, r.shownNum}));
        }
    }
    // Nibbles above 9: a value counts 0, a digit character stands as its letter.
    EXPECT_EQ(decodeWord(0xC5, 0xBF).num, u"B05");
    EXPECT_EQ(decodeWord(0x2C, 0xDA).num, u"0CD");
}

TEST(EnCodeA, EncodesUpToTheEndStep)
{
    EXPECT_EQ(enCodeA(programOf("LD X027; OUT Y030; END; LD X001")),
              bytes(0x22, 0x7A) + bytes(0x23, 0x04) + bytes(0x20, 0x0D));
    EXPECT_EQ(enCodeA(ProgramStore()).size(), 2 * 1000); // no END: steps 0 to maxStep
}

TEST(DeCodeA, RoundTripsAProgramAndLeavesLaterStepsAlone)
{
    const ProgramStore source = programOf("LD X027; ANI M100; OUT T050; K 12.3; STL S600; S Y030;"
                                          "MC M120; RET M575; CJP D700; K 100; ORB; END");
    const int n = source.getEndStep() + 1;
    ProgramStore target;
    target.step(n) = step("LD", "X001");
    const DecodeResult r = deCodeA(enCodeA(source), target);
    EXPECT_EQ(r.stored, n);
    EXPECT_EQ(r.wordsDropped, 0);
    EXPECT_FALSE(r.oddByte);
    for (int i = 0; i < n; ++i)
        EXPECT_EQ(target.step(i), source.step(i)) << i;
    EXPECT_EQ(target.step(n), step("LD", "X001"));
}

TEST(DeCodeA, NopWordsBecomeEmptyStepsAndOddBytesAreReported)
{
    ProgramStore target = programOf("LD X000");
    const DecodeResult r = deCodeA(bytes(0x20, 0x00) + QByteArray(1, char(0x22)), target);
    EXPECT_EQ(target.step(0), step("", ""));
    EXPECT_EQ(r.stored, 1);
    EXPECT_TRUE(r.oddByte);
}

TEST(DeCodeA, StopsStoringAtTheEndOfTheStore)
{
    ProgramStore target;
    const DecodeResult r = deCodeA(bytes(0x22, 0x7A).repeated(ProgramStore::kSize + 5), target);
    EXPECT_EQ(r.stored, ProgramStore::kSize);
    EXPECT_EQ(r.wordsDropped, 5);
    EXPECT_EQ(target.step(ProgramStore::kLastIndex), step("LD", "X027"));
}
