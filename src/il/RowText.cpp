#include "RowText.h"

#include "core/TextHelpers.h"

namespace ladrix {

QString rowText(const Step& step)
{
    QString text = padSpaceCopy(step.ins, 5) + QStringLiteral("  ") + step.data;
    if (!step.rem.isEmpty())
        text += QStringLiteral("  '") + step.rem.trimmed();
    if (text == QStringLiteral("  "))
        return QString();
    return text;
}

QString stepLabel(int step)
{
    return padZeroCopy(QString::number(step), 4);
}

} // namespace ladrix
