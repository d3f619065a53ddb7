#include "plc/StepCoding.h"
#include "plc/KeyCodes.h"

#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::plc;

namespace {

Step step(const char* ins, const char* data)
{
    return Step{QString::fromUtf8(ins), QString::fromUtf8(data), QString()};
}

QByteArray bytes(int b0, int b1)
{
    return QByteArray(1, char(b0)) + char(b1);
}

std::vector<std::uint8_t> keysOf(const Step& s)
{
    DataKeys keys{};
    return stepKeys(s, keys);
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
    ProgramStore store;
    store.step(7) = step("OUT", "Y030");
    EXPECT_EQ(getInsKey(store, 7), 229);
}

TEST(StepKeys, SendsInstructionAndThreeDigitsOrFourForAPoint)
{
    using V = std::vector<std::uint8_t>;
    EXPECT_EQ(keysOf(step("K", "12.3")), (V{226, 212, 180, 215, 116}));
    EXPECT_EQ(keysOf(step("K", "100")), (V{226, 212, 228, 228}));
    EXPECT_EQ(keysOf(step("ANB", "")), (V{213, 228, 228, 228}));
    EXPECT_EQ(keysOf(step("LD", "X5")), (V{182, 228, 228, 213}));
    EXPECT_EQ(keysOf(step("OUT", "T050")), (V{229, 228, 213, 228}));
    // Only the first three digits of a long constant go out.
    EXPECT_EQ(keysOf(step("K", "1000")), (V{226, 212, 228, 228}));
}

TEST(GetDataKeys, KeepsOlderValuesWhereThisStepWritesNothing)
{
    DataKeys keys = {1, 2, 3, 99};
    getDataKeys(step("LD", "X027"), keys);
    EXPECT_EQ(keys, (DataKeys{228, 180, 117, 99}));
    getDataKeys(step("K", "1A5"), keys);
    // "A" is neither a digit nor a point: its element keeps the previous key.
    EXPECT_EQ(keys, (DataKeys{212, 180, 213, 99}));
    ProgramStore store;
    store.step(3) = step("K", "12.3");
    getDataKeys(store, 3, keys);
    EXPECT_EQ(keys, (DataKeys{212, 180, 215, 116}));
}

TEST(StepAccepted, ComparesOnlyTheZeroFilledNumber)
{
    EXPECT_TRUE(stepAccepted(step("LD", "X5"), PlcDisplay{"LD", "005"}));
    EXPECT_FALSE(stepAccepted(step("LD", "X5"), PlcDisplay{"LD", "006"}));
    EXPECT_TRUE(stepAccepted(step("S", "M100"), PlcDisplay{"MC", "100"}));
    EXPECT_TRUE(stepAccepted(step("ANB", ""), PlcDisplay{"", "151515"}));
    EXPECT_TRUE(stepAccepted(step("K", "12.3"), PlcDisplay{"K", "12.3"}));
    EXPECT_FALSE(stepAccepted(step("K", "1000"), PlcDisplay{"K", "100"}));
    EXPECT_TRUE(stepAccepted(step("K", "100"), PlcDisplay{"K", " 100 "}));
}

TEST(StepFromDisplay, PutsTheLetterBackAndKeepsNop)
{
    EXPECT_EQ(stepFromDisplay({"LD", "027"}), step("LD", "X027"));
    EXPECT_EQ(stepFromDisplay({"OUT", "050"}), step("OUT", "T050"));
    EXPECT_EQ(stepFromDisplay({"NOP", "000"}), step("NOP", ""));
    EXPECT_EQ(stepFromDisplay({"K", "12.3"}), step("K", "12.3"));
}

TEST(EncodeStep, ProducesTheTwoByteWords)
{
    EXPECT_EQ(encodeStep(step("LD", "X027")), bytes(0x22, 0x7A));
    EXPECT_EQ(encodeStep(step("OUT", "Y030")), bytes(0x23, 0x04));
    EXPECT_EQ(encodeStep(step("OUT", "Y30")), bytes(0x23, 0x04));
    EXPECT_EQ(encodeStep(step("K", "100")), bytes(0x00, 0x1F));
    EXPECT_EQ(encodeStep(step("K", "12.3")), bytes(0x23, 0x1E));
    EXPECT_EQ(encodeStep(step("K", "5")), bytes(0x05, 0x0F));
    EXPECT_EQ(encodeStep(step("ANB", "")), bytes(0x20, 0x05));
    EXPECT_EQ(encodeStep(step("STL", "S600")), bytes(0x80, 0x05));
    EXPECT_EQ(encodeStep(step("END", "")), bytes(0x20, 0x0D));
    EXPECT_EQ(encodeStep(step("", "")), bytes(0x20, 0x00));
    EXPECT_EQ(encodeStep(step("LD", "X5")), bytes(0x20, 0x5A));
    EXPECT_EQ(encodeStep(step("RET", "M575")), bytes(0x77, 0x5D));
    EXPECT_EQ(encodeStep(step("CJP", "D700")), bytes(0x90, 0x00));
}

TEST(DecodeWord, TellsSharedCodesApartByNumber)
{
    EXPECT_EQ(decodeWord(0x22, 0x7A), (PlcDisplay{"LD", "027"}));
    EXPECT_EQ(decodeWord(0x77, 0x5D), (PlcDisplay{"RET", "575"}));
    EXPECT_EQ(decodeWord(0x32, 0x00), (PlcDisplay{"MC", "120"}));
    EXPECT_EQ(decodeWord(0x21, 0x20), (PlcDisplay{"S", "012"}));
    EXPECT_EQ(decodeWord(0x80, 0x05), (PlcDisplay{"STL", "600"}));
    EXPECT_EQ(decodeWord(0x23, 0x1E), (PlcDisplay{"K", "12.3"}));
    EXPECT_EQ(decodeWord(0x05, 0x0F), (PlcDisplay{"K", "005"}));
    // Nibbles above 9: a value counts 0, a digit character stands as its letter.
    EXPECT_EQ(decodeWord(0xC5, 0xBF).num, u"B05");
    EXPECT_EQ(decodeWord(0x2C, 0xDA).num, u"0CD");
}

TEST(EnCodeA, EncodesUpToTheEndStep)
{
    ProgramStore store;
    store.step(0) = step("LD", "X027");
    store.step(1) = step("OUT", "Y030");
    store.step(2) = step("END", "");
    store.step(3) = step("LD", "X001");
    const QByteArray words = enCodeA(store);
    EXPECT_EQ(words, bytes(0x22, 0x7A) + bytes(0x23, 0x04) + bytes(0x20, 0x0D));

    ProgramStore noEnd;
    EXPECT_EQ(enCodeA(noEnd).size(), 2 * 1000); // steps 0 to maxStep
}

TEST(DeCodeA, RoundTripsAProgramAndLeavesLaterStepsAlone)
{
    ProgramStore source;
    const Step program[] = {step("LD", "X027"), step("ANI", "M100"), step("OUT", "T050"),
                            step("K", "12.3"),  step("STL", "S600"), step("S", "Y030"),
                            step("MC", "M120"), step("RET", "M575"), step("CJP", "D700"),
                            step("K", "100"),   step("ORB", ""),     step("END", "")};
    for (int i = 0; i < int(std::size(program)); ++i)
        source.step(i) = program[i];

    ProgramStore target;
    target.step(12) = step("LD", "X001");
    const DecodeResult r = deCodeA(enCodeA(source), target);
    EXPECT_EQ(r.stored, int(std::size(program)));
    EXPECT_EQ(r.wordsDropped, 0);
    EXPECT_FALSE(r.oddByte);
    for (int i = 0; i < int(std::size(program)); ++i)
        EXPECT_EQ(target.step(i), program[i]) << i;
    EXPECT_EQ(target.step(12), step("LD", "X001"));
}

TEST(DeCodeA, NopWordsBecomeEmptyStepsAndOddBytesAreReported)
{
    ProgramStore target;
    target.step(0) = step("LD", "X000");
    const DecodeResult r = deCodeA(bytes(0x20, 0x00) + QByteArray(1, char(0x22)), target);
    EXPECT_EQ(target.step(0), step("", ""));
    EXPECT_EQ(r.stored, 1);
    EXPECT_TRUE(r.oddByte);
}

TEST(DeCodeA, StopsStoringAtTheEndOfTheStore)
{
    QByteArray words;
    for (int i = 0; i < ProgramStore::kSize + 5; ++i)
        words += bytes(0x22, 0x7A);
    ProgramStore target;
    const DecodeResult r = deCodeA(words, target);
    EXPECT_EQ(r.stored, ProgramStore::kSize);
    EXPECT_EQ(r.wordsDropped, 5);
    EXPECT_EQ(target.step(ProgramStore::kLastIndex), step("LD", "X027"));
}
