#include "TextHelpers.h"

namespace ladrix {

QString padZero(QString& s, int n)
{
    if (s.isEmpty())
        return QString();
    while (s.size() < n)
        s = QLatin1Char('0') + s.trimmed();
    return s;
}

QString padSpace(QString& s, int n)
{
    if (s.isEmpty())
        return QString();
    if (s.size() >= n)
        return s.left(n);
    s.resize(n, u' ');
    return s;
}

QString splitPath(const QString& path, QString& name, QString& ext)
{
    name.clear();
    ext.clear();
    if (path.isEmpty())
        return QString();

    auto isSeparator = [](QChar c) { return c == u'\\' || c == u'/'; };
    // The file name starts after the last separator; only a dot inside it starts the extension.
    qsizetype nameStart = path.size();
    while (nameStart > 0 && !isSeparator(path.at(nameStart - 1)))
        --nameStart;
    qsizetype dot = path.lastIndexOf(u'.');
    if (dot < nameStart)
        dot = -1;

    const qsizetype nameEnd = dot >= 0 ? dot : path.size();
    if (dot >= 0)
        ext = path.mid(dot);
    for (qsizetype i = nameStart; i < nameEnd; ++i) {
        if (!path.at(i).isSpace())
            name += path.at(i);
    }
    return path.left(nameStart);
}

QString baseNameOf(const QString& path)
{
    QString name;
    QString ext;
    splitPath(path, name, ext);
    return name;
}

} // namespace ladrix
