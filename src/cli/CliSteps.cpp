#include "CliSteps.h"

#include "core/TextHelpers.h"

namespace ladrix::cli {

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
