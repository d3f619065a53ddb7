#include "CommentFile.h"

#include "ClassicTextReader.h"
#include "ClassicTextWriter.h"
#include "FileAccess.h"

#include "core/RuntimeError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace ladrix {

namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString savedFileText(FileKind kind)
{
    return kind == FileKind::Project
               ? QCoreApplication::translate("CommentFile", "工程文件已保存，但注释未能保存。")
               : QCoreApplication::translate("CommentFile", "指令表文件已保存，但注释未能保存。");
}

// A line "12,text": the step number before the first comma, the comment after it.
bool parseLine(QStringView line, int& step, QStringView& comment)
{
    const qsizetype comma = line.indexOf(u',');
    if (comma < 0)
        return false;
    const QStringView number = line.left(comma).trimmed();
    if (number.isEmpty() || number.size() > 4)
        return false;
    int value = 0;
    for (QChar c : number) {
        if (c < u'0' || c > u'9')
            return false;
        value = value * 10 + (c.unicode() - u'0');
    }
    if (!ProgramStore::inRange(value))
        return false;
    step = value;
    comment = line.mid(comma + 1);
    return true;
}

FileStatus removeStale(const QString& path, FileKind kind)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {};
    QFile file(path);
    if (file.remove())
        return {};
    return FileStatus::failure(
        RuntimeError::PathFileAccess,
        savedFileText(kind) +
            QCoreApplication::translate("CommentFile", "无法删除旧的注释文件 %1：%2")
                .arg(shown(path), file.errorString()));
}

void setComments(ProgramStore& store, const QStringList& comments, int last)
{
    for (int i = 0; i <= last; ++i)
        store.step(i).rem = comments.value(i);
}

} // namespace

QString commentFileOf(const QString& programPath, FileKind kind)
{
    if (programPath.isEmpty() || (kind != FileKind::Project && kind != FileKind::InstructionList))
        return QString();
    const QString own = extensionOf(kind);
    const QString companion =
        kind == FileKind::Project ? QStringLiteral(".lrc") : QStringLiteral(".inc");
    const qsizetype nameStart =
        std::max(programPath.lastIndexOf(u'/'), programPath.lastIndexOf(u'\\')) + 1;
    const QStringView name = QStringView(programPath).mid(nameStart);
    if (name.size() > own.size() && name.endsWith(own, Qt::CaseInsensitive)) {
        const QStringView ext = name.right(own.size());
        const bool upper = ext == ext.toString().toUpper();
        return programPath.left(programPath.size() - own.size()) +
               (upper ? companion.toUpper() : companion);
    }
    return programPath + companion;
}

FileStatus saveCommentList(const QString& programPath, FileKind kind, const QStringList& comments)
{
    const QString path = commentFileOf(programPath, kind);
    if (path.isEmpty())
        return {};
    QList<int> commented;
    for (int i = 0; i < comments.size(); ++i) {
        if (!comments[i].isEmpty())
            commented.append(i);
    }
    if (commented.isEmpty())
        return removeStale(path, kind);
    FileStatus status = writeFields(path, commented.size(), [&](ClassicTextWriter& writer) {
        for (int i : commented)
            writer.writeLine(QString::number(i) + u',' + comments[i]);
    });
    if (!status)
        status.message = savedFileText(kind) + status.message;
    return status;
}

FileStatus readCommentList(const QString& programPath, FileKind kind, QStringList& comments,
                           bool* found)
{
    comments.clear();
    const QString path = commentFileOf(programPath, kind);
    const QFileInfo info(path);
    const bool present = !path.isEmpty() && (info.exists() || info.isSymLink());
    if (found)
        *found = present;
    QStringList read(ProgramStore::kSize);
    if (!present) {
        comments = read;
        return {};
    }
    FileStatus status = readFields(path, [&](ClassicTextReader& reader) {
        QString line;
        while (reader.readLine(line)) {
            int step = 0;
            QStringView comment;
            if (parseLine(line, step, comment))
                read[step] = comment.toString();
            else if (!line.trimmed().isEmpty())
                reader.countDamaged();
        }
        return true;
    });
    if (!status) {
        status.message =
            QCoreApplication::translate("CommentFile", "注释未能读入。") + status.message;
        return status;
    }
    comments = read;
    return status;
}

QStringList programComments(const ProgramStore& store)
{
    QStringList comments;
    comments.reserve(ProgramStore::kFileSteps);
    for (int i = 0; i < ProgramStore::kFileSteps; ++i)
        comments.append(store.step(i).rem);
    return comments;
}

QStringList blockComments(const ProgramStore& store)
{
    QStringList comments;
    for (int i = std::max(store.blockStart, 0); i <= store.blockEnd && ProgramStore::inRange(i);
         ++i)
        comments.append(store.step(i).rem);
    return comments;
}

FileStatus followedByComments(const FileStatus& written, const QString& programPath, FileKind kind,
                              const QStringList& comments)
{
    if (!written)
        return written;
    const FileStatus saved = saveCommentList(programPath, kind, comments);
    return saved ? withCommentWarning(written, saved) : saved;
}

FileStatus withCommentWarning(FileStatus read, const FileStatus& comments)
{
    if (!comments.message.isEmpty())
        read.message +=
            (read.message.isEmpty() ? QString() : QStringLiteral("\n")) + comments.message;
    return read;
}

FileStatus loadComments(const QString& programPath, FileKind kind, ProgramStore& store)
{
    QStringList comments;
    bool found = false;
    const FileStatus status = readCommentList(programPath, kind, comments, &found);
    if (kind == FileKind::Project)
        setComments(store, comments, ProgramStore::kLastIndex);
    else if (found && status)
        setComments(store, comments, ProgramStore::kFileSteps - 1);
    return status;
}

} // namespace ladrix
