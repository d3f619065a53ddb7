#include "StartFile.h"

#include "core/TextHelpers.h"

namespace ladrix {

QString commandLinePath(const QStringList& arguments)
{
    QString path = arguments.join(QLatin1Char(' ')).trimmed();
    if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) && path.endsWith(QLatin1Char('"')))
        path = path.mid(1, path.size() - 2);
    return path;
}

StartFileKind startFileKind(const QString& path)
{
    QString name;
    QString ext;
    splitPath(path, name, ext);
    ext = ext.trimmed().toUpper();
    if (ext == QLatin1String(".LRP"))
        return StartFileKind::Project;
    if (ext == QLatin1String(".ZK1"))
        return StartFileKind::Zk1;
    return StartFileKind::None;
}

} // namespace ladrix
