#include "SequenceFixture.h"

#include "plc/StepCoding.h"
#include "plc/Verify.h"

using namespace ladrix;
using namespace ladrix::plc;
using namespace ladrix::plc::test;

namespace ladrix::plc {
void PrintTo(const StepDifference& d, std::ostream* out)
{
    *out << d.step << " PC \"" << d.pc.toStdString() << "\" PLC \"" << d.plc.toStdString() << '"';
}
} // namespace ladrix::plc

namespace {

// The words of the steps written, and no more.
QByteArray wordsOf(const char* text)
{
    const QStringList steps = QString::fromUtf8(text).split(u';');
    const ProgramStore program = programOf(text);
    QByteArray words;
    for (int i = 0; i < steps.size(); ++i)
        words += encodeStep(program.step(i));
    return words;
}

} // namespace

// Steps compare as the controller holds them: empty and NOP alike, operands zero-filled, the
// comparison running to the later of the two END steps.
TEST(CompareProgram, ListsTheStepsThatDifferAsTheControllerHoldsThem)
{
    const struct {
        const char* project;
        QByteArray plc;
        std::vector<StepDifference> expected;
    } rows[] = {
        {"LD X27; ; OUT Y30; END", wordsOf("LD X027; NOP; OUT Y030; END"), {}},
        {"LD X000; OUT Y030; END",
         wordsOf("LD X000; OUT Y031; END"),
         {{1, "OUT Y030", "OUT Y031"}}},
        {"LD X000; END",
         wordsOf("LD X000; OUT Y030; END"),
         {{1, "END", "OUT Y030"}, {2, "", "END"}}},
        {"LD X000; OUT Y030; END", wordsOf("LD X000"), {{1, "OUT Y030", ""}, {2, "END", ""}}},
        {"K 1000; END", wordsOf("K 000; END"), {{0, "K 1000", "K 000"}}},
        {"LD X000; END", QByteArray(), {{0, "LD X000", ""}, {1, "END", ""}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.project);
        EXPECT_EQ(compareProgram(programOf(row.project), row.plc), row.expected);
    }
}
