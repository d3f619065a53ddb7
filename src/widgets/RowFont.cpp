#include "RowFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace ladrix {

QFont rowFont()
{
    static const QFont font = [] {
        const QStringList families = QFontDatabase::families();
        QFont f;
        if (families.contains(QStringLiteral("宋体")))
            f = QFont(QStringLiteral("宋体"));
        else if (families.contains(QStringLiteral("SimSun")))
            f = QFont(QStringLiteral("SimSun"));
        else if (families.contains(QStringLiteral("WenQuanYi Micro Hei Mono")))
            f = QFont(QStringLiteral("WenQuanYi Micro Hei Mono"));
        else
            f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        f.setPointSizeF(10.5);
        return f;
    }();
    return font;
}

} // namespace ladrix
