#pragma once

#include <QString>

namespace ladrix {

// Zero-fills on the left to width n (blanks around the text are dropped while filling);
// never cuts. Changes `s` when it pads, like the classic helper; pass a copy to keep yours.
QString padZero(QString& s, int n);

// Blank-fills on the right to width n, or returns the first n characters (leaving `s` as is).
QString padSpace(QString& s, int n);

// Value-taking forms for callers that only format.
inline QString padZeroCopy(QString s, int n)
{
    return padZero(s, n);
}
inline QString padSpaceCopy(QString s, int n)
{
    return padSpace(s, n);
}

// Splits a file path into folder (returned, with its trailing separator), base name without
// blanks, and extension with its dot. Backslashes and forward slashes both separate folders;
// a name without a dot has an empty extension and keeps all of its characters as the name.
QString splitPath(const QString& path, QString& name, QString& ext);

// The base name of a path as splitPath gives it.
QString baseNameOf(const QString& path);

} // namespace ladrix
