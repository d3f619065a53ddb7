#include "Verify.h"

#include "StepCoding.h"

#include <algorithm>

namespace ladrix::plc {
namespace {

QString textOf(const Step& step)
{
    const QString ins = step.ins.trimmed();
    const QString data = step.data.trimmed();
    return data.isEmpty() ? ins : ins + u' ' + data;
}

QString wordText(std::uint8_t b0, std::uint8_t b1)
{
    return textOf(stepFromDisplay(decodeWord(b0, b1)));
}

} // namespace

QString controllerText(const Step& step)
{
    if (!wordKeepsStep(step))
        return textOf(step);
    const QByteArray word = encodeStep(step);
    return wordText(static_cast<std::uint8_t>(word.at(0)), static_cast<std::uint8_t>(word.at(1)));
}

std::vector<StepDifference> compareProgram(const ProgramStore& project, const QByteArray& words)
{
    const int pcLast = project.getEndStep();
    const int plcCount = static_cast<int>(words.size() / 2);
    std::vector<StepDifference> differences;
    for (int k = 0; k <= std::max(pcLast, plcCount - 1); ++k) {
        const QString pc = k <= pcLast ? controllerText(project.step(k)) : QString();
        const QString plc = k < plcCount ? wordText(static_cast<std::uint8_t>(words.at(2 * k)),
                                                    static_cast<std::uint8_t>(words.at(2 * k + 1)))
                                         : QString();
        if (pc != plc)
            differences.push_back({k, pc, plc});
    }
    return differences;
}

} // namespace ladrix::plc
