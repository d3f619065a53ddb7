#include "ProgramFile.h"

#include "CommentFile.h"
#include "core/RuntimeError.h"

#include <QCoreApplication>
#include <QDir>

namespace ladrix {

namespace {

FileStatus unknownKind(const QString& path)
{
    return FileStatus::failure(RuntimeError::PathFileAccess,
                               QCoreApplication::translate("ProgramFile", "不认识的文件类型：%1")
                                   .arg(QDir::toNativeSeparators(path)));
}

FileStatus readWithComments(const QString& path, FileKind kind, ProgramStore& store,
                            const FileStatus& status)
{
    return status ? withCommentWarning(status, loadComments(path, kind, store)) : status;
}

} // namespace

FileKind fileKindOf(const QString& path)
{
    const QString name = path.section(u'/', -1).section(u'\\', -1).toLower();
    for (FileKind kind :
         {FileKind::Project, FileKind::InstructionList, FileKind::Ladder, FileKind::Zk1}) {
        if (name.endsWith(extensionOf(kind)))
            return kind;
    }
    return FileKind::Unknown;
}

QString extensionOf(FileKind kind)
{
    switch (kind) {
    case FileKind::Project:
        return QStringLiteral(".lrp");
    case FileKind::InstructionList:
        return QStringLiteral(".ins");
    case FileKind::Ladder:
        return QStringLiteral(".lad");
    case FileKind::Zk1:
        return QStringLiteral(".zk1");
    case FileKind::Unknown:
        break;
    }
    return QString();
}

FileStatus loadProgramFile(const QString& path, ProgramStore& store, LadderGrid& grid)
{
    switch (fileKindOf(path)) {
    case FileKind::Project:
        return readWithComments(path, FileKind::Project, store, openProject(path, store, grid));
    case FileKind::InstructionList:
        return readWithComments(path, FileKind::InstructionList, store,
                                openInstructionList(path, store));
    case FileKind::Ladder:
        return openLadder(path, grid);
    case FileKind::Zk1:
        return importZk1(path, store);
    case FileKind::Unknown:
        break;
    }
    return unknownKind(path);
}

FileStatus saveProgramFile(const QString& path, ProgramStore& store, const LadderGrid& grid)
{
    switch (fileKindOf(path)) {
    case FileKind::Project:
        return followedByComments(saveProject(path, store, grid), path, FileKind::Project,
                                  programComments(store));
    case FileKind::InstructionList:
        return followedByComments(saveInstructionList(path, store), path, FileKind::InstructionList,
                                  programComments(store));
    case FileKind::Ladder:
        return saveLadder(path, grid);
    case FileKind::Zk1:
    case FileKind::Unknown:
        break;
    }
    return unknownKind(path);
}

} // namespace ladrix
