#pragma once

#include "ProgramFile.h"

#include <QStringList>

namespace ladrix {

// Comments have no place in the program files, so each file of steps keeps them in a companion
// beside it: x.lrp has x.lrc and x.ins has x.inc. The companion holds one line per commented
// step, "step,comment", the comment running to the line end exactly as stored (a comment is
// one line; commas and quotes in it are its own). The program file itself is never changed.

// The companion of a project (FileKind::Project) or instruction-list file: the program file's
// extension replaced, in the same case (x.LRP gives x.LRC); a file named otherwise gets the
// extension added. Empty for other kinds or an empty path.
QString commentFileOf(const QString& programPath, FileKind kind);

// Writes `comments` (entry i: the comment of step i, or of the file's i-th pair) to the
// companion of `programPath`. When no entry holds a comment, a companion left from before is
// removed, so that it cannot bring old comments back. A failure says that the program file
// itself was saved and names the companion.
FileStatus saveCommentList(const QString& programPath, FileKind kind, const QStringList& comments);

// Reads the companion of `programPath` into `comments`: ProgramStore::kSize entries, empty
// where the file has no line. `found` tells whether there was a companion; without one the
// result is ok and every entry empty. Lines that are no "step,comment" are skipped and counted
// as damage. A failure leaves `comments` empty.
FileStatus readCommentList(const QString& programPath, FileKind kind, QStringList& comments,
                           bool* found = nullptr);

// The comments of the steps a program file holds (0 to 1999).
QStringList programComments(const ProgramStore& store);
// The comments of the edit block, in the order of blockPairs().
QStringList blockComments(const ProgramStore& store);

// For a program file just written with the outcome `written`: saves `comments` beside it and
// gives the outcome of both. A companion that cannot be written fails the save; its warning (a
// character code page 936 lacks) is added to the program file's. Nothing is saved when the
// program file failed.
FileStatus followedByComments(const FileStatus& written, const QString& programPath, FileKind kind,
                              const QStringList& comments);
// A usable read with the warning of its companion added.
FileStatus withCommentWarning(FileStatus read, const FileStatus& comments);

// Reads the comments that belong to a program file just read into `store`. A project's
// comments are all replaced: a project without a companion has none. An instruction list's
// companion, when present, replaces the comments of steps 0 to 1999; without one they stay.
// When the companion cannot be read the comments are left as described for a missing one and
// the failure says why.
FileStatus loadComments(const QString& programPath, FileKind kind, ProgramStore& store);

} // namespace ladrix
