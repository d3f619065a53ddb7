#pragma once

#include <QString>
#include <QStringList>

namespace ladrix {

// What a file named on the command line is opened as.
enum class StartFileKind { None, Project, Zk1 };

// The path named on the command line (arguments after the program name): the arguments joined
// by blanks, so that an unquoted path with blanks survives, without the quotes around it.
QString commandLinePath(const QStringList& arguments);

// ".LRP" opens a project and ".ZK1" imports, compared trimmed and in upper case; any other
// extension opens nothing.
StartFileKind startFileKind(const QString& path);

} // namespace ladrix
