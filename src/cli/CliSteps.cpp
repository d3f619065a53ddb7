#include "CliSteps.h"

#include "core/TextHelpers.h"

namespace ladrix::cli {

bool stepHasContent(const Step& step)
{
    return !step.ins.trimmed().isEmpty() || !step.data.trimmed().isEmpty();
}

int lastListedStep(const ProgramStore& store)
{
    int last = -1;
    for (int i = 0; i <= ProgramStore::kLastIndex; ++i) {
        const Step& step = store.step(i);
        if (step.ins.trimmed() == u"END")
            return i;
        if (stepHasContent(step))
            last = i;
    }
    return last;
}

QString stepNumber(int index)
{
    return padZeroCopy(QString::number(index), 4);
}

QString listingLine(int index, const Step& step)
{
    QString line = stepNumber(index);
    if (!stepHasContent(step))
        return line;
    line += QStringLiteral("  ") + step.ins.trimmed();
    const QString data = step.data.trimmed();
    if (!data.isEmpty())
        line += u' ' + data;
    return line;
}

} // namespace ladrix::cli
