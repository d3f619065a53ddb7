#include "FileAccess.h"

#include "ClassicTextReader.h"
#include "ClassicTextWriter.h"

#include "core/RuntimeError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace ladrix {

namespace {

// Classic number of the "type mismatch" fault, reported for fields that were not numbers.
constexpr int kTypeMismatch = 13;

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

FileStatus openForReading(QFile& file)
{
    const QString path = file.fileName();
    if (path.isEmpty() || !QFileInfo::exists(path))
        return FileStatus::failure(
            RuntimeError::FileNotFound,
            QCoreApplication::translate("FileAccess", "文件未找到：%1").arg(shown(path)));
    // Devices and pipes could feed the reader without end; only plain files are program files.
    const QFileInfo info(path);
    if (!info.isFile())
        return FileStatus::failure(
            RuntimeError::PathFileAccess,
            QCoreApplication::translate("FileAccess", "无法读取 %1：%2")
                .arg(shown(path),
                     info.isDir() ? QCoreApplication::translate("FileAccess", "这是一个文件夹")
                                  : QCoreApplication::translate("FileAccess", "这不是普通文件")));
    if (!file.open(QIODevice::ReadOnly))
        return FileStatus::failure(RuntimeError::PathFileAccess,
                                   QCoreApplication::translate("FileAccess", "无法读取文件 %1：%2")
                                       .arg(shown(path), file.errorString()));
    return {};
}

FileStatus writeAtomically(const QString& path, const QByteArray& bytes)
{
    auto failure = [&path](const QString& reason) {
        return FileStatus::failure(RuntimeError::PathFileAccess,
                                   QCoreApplication::translate("FileAccess", "无法写入文件 %1：%2")
                                       .arg(shown(path), reason));
    };
    if (path.isEmpty())
        return failure(QCoreApplication::translate("FileAccess", "没有文件名"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failure(reason);
    }
    if (!file.commit())
        return failure(file.errorString());
    return {};
}

FileStatus readOutcome(const QString& path, const ClassicTextReader& reader, bool complete)
{
    if (reader.readFailed())
        return FileStatus::failure(
            RuntimeError::PathFileAccess,
            QCoreApplication::translate("FileAccess", "读取文件 %1 时出错，内容未被采用")
                .arg(shown(path)));
    FileStatus status;
    if (!complete) {
        status.truncated = true;
        status.number = RuntimeError::InputPastEndOfFile;
        status.message = QCoreApplication::translate(
                             "FileAccess", "输入超出文件尾：文件 %1 不完整，只读入了其中已有的内容")
                             .arg(shown(path));
    } else if (reader.damagedFields() > 0) {
        status.number = kTypeMismatch;
        status.message = QCoreApplication::translate(
                             "FileAccess", "文件 %1 中有 %2 个值无法读取，相应内容保持原样")
                             .arg(shown(path))
                             .arg(reader.damagedFields());
    }
    return status;
}

FileStatus readFields(const QString& path, const std::function<bool(ClassicTextReader&)>& read)
{
    QFile file(path);
    if (FileStatus opened = openForReading(file); !opened)
        return opened;
    ClassicTextReader reader(file);
    const bool complete = read(reader);
    FileStatus status = readOutcome(path, reader, complete);
    // Steps past what the format holds (a ZK1 file of a larger program, two files joined) are
    // dropped; the user has to know they did not arrive.
    if (status && complete && status.message.isEmpty() && !reader.atEndOfContent())
        status.message = QCoreApplication::translate(
                             "FileAccess", "文件 %1 比它的格式所容纳的长，多出的内容未被读入")
                             .arg(shown(path));
    return status;
}

FileStatus writeFields(const QString& path, qsizetype expectedLines,
                       const std::function<void(ClassicTextWriter&)>& write)
{
    ClassicTextWriter writer(expectedLines);
    write(writer);
    bool lossless = true;
    const QByteArray bytes = writer.encoded(&lossless);
    FileStatus status = writeAtomically(path, bytes);
    // The file is still written: losing the whole save would be worse than losing the
    // characters, but the user has to know.
    if (status && !lossless)
        status.message =
            QCoreApplication::translate(
                "FileAccess", "文件 %1 已保存，但其中有的字符无法用 GBK 编码保存，已写成“?”")
                .arg(shown(path));
    return status;
}

} // namespace ladrix
