#pragma once

#include "ProjectFiles.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <functional>

namespace ladrix {

class ClassicTextReader;
class ClassicTextWriter;

// Opens `file` (its name already set) for reading; a failure names the file and the reason.
FileStatus openForReading(QFile& file);

// Replaces the file at `path` with `bytes` only once they are completely written.
FileStatus writeAtomically(const QString& path, const QByteArray& bytes);

// What a finished read amounts to: a read error fails (nothing may be applied); input that
// ended before `complete` was reached, or damaged fields, are warnings on a usable result.
FileStatus readOutcome(const QString& path, const ClassicTextReader& reader, bool complete);

// Reads `path` field by field with `read`, which returns whether the input held everything it
// wanted. The caller applies what was read only when the result is ok. Content left after a
// complete read is ignored with a warning.
FileStatus readFields(const QString& path, const std::function<bool(ClassicTextReader&)>& read);

// Builds the file with `write` and saves it atomically. A saved file whose texts held characters
// that code page 936 lacks stays ok, with a message saying they were written as "?".
FileStatus writeFields(const QString& path, qsizetype expectedLines,
                       const std::function<void(ClassicTextWriter&)>& write);

} // namespace ladrix
