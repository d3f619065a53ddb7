#include "LadderTestSupport.h"
#include "core/ProgramCheck.h"
#include "ladder/LadderCompiler.h"
#include "ladder/LadderDrawer.h"

#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::test;

namespace {

constexpr int kPrograms = 600;

ProgramStore drawnAndCompiled(const ProgramStore& source)
{
    LadderGrid grid;
    drawLadder(source, grid);
    ProgramStore compiled;
    compiled.plcType = source.plcType;
    compileLadder(grid, compiled);
    return compiled;
}

bool isStructural(CheckKind kind)
{
    return kind == CheckKind::Line || kind == CheckKind::Block || kind == CheckKind::Constant;
}

} // namespace

// The conversions write blocks, joins and timer constants only as the controller takes them;
// what the program means (END, pairs, double coils) is the user's and carries over unchanged.
TEST(CompiledProgramCheck, DrawnAndCompiledProgramsHaveNoStructuralMessage)
{
    int clean = 0;
    for (unsigned seed = 1; seed <= kPrograms; ++seed) {
        ProgramGenerator generator(seed);
        const ProgramStore source = programOf(generator.program(400, 1 + int(seed % 6)));
        const QList<CheckMessage> compiled = checkProgram(drawnAndCompiled(source));
        for (const CheckMessage& m : compiled)
            EXPECT_FALSE(isStructural(m.kind))
                << "seed " << seed << ": " << checkLine(m).toStdString();
        if (!checkProgram(source).isEmpty())
            continue;
        ++clean;
        for (const CheckMessage& m : compiled)
            ADD_FAILURE() << "seed " << seed << ": " << checkLine(m).toStdString();
    }
    // Enough of the generated programs are free of findings for the second half to count.
    EXPECT_GE(clean, kPrograms / 10);
}
