#include "FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <algorithm>

namespace ladrix::fuzz {

QString scratchFile(const QString& name, const QByteArray& bytes)
{
    // In memory where the system offers it: a file rewritten for every run would otherwise be
    // flushed to the disk each time.
    static const QTemporaryDir folder(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                          ? QStringLiteral("/dev/shm/ladrix-fuzz-XXXXXX")
                                          : QDir::tempPath() +
                                                QStringLiteral("/ladrix-fuzz-XXXXXX"));
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write the scratch file %s", qPrintable(path));
    return path;
}

void reset(ProgramStore& store)
{
    store.clearSteps();
    store.clearClipboard();
    store.plcType = 0;
    store.curStep = 0;
    store.blockStart = -1;
    store.blockEnd = -1;
    store.projectName.clear();
    store.projectFile.clear();
}

void clearFirst(LadderGrid& grid, int cells)
{
    for (int i = 0; i < cells; ++i)
        grid.cell(i) = Cell{};
}

namespace {

QString inCodePage(const QString& text)
{
    const bool ascii =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii)
        return text;
    // Opening the code page is costly. A text is followed by its line end, as in a file, so that
    // a lone surrogate at its end is written as "?" rather than held back for what follows.
    static QStringEncoder encoder("GBK");
    static QStringDecoder decoder("GBK");
    encoder.resetState();
    decoder.resetState();
    const QString line = decoder.decode(encoder.encode(text + QStringLiteral("\r\n")));
    return line.chopped(2);
}

} // namespace

QString throughGbk(const QString& text)
{
    QString written = inCodePage(text);
    // Read back plainly, the text would lose its leading blanks or be taken for a quoted field
    // or two fields: it is written in quotes, which cannot hold a quote.
    const bool quoted = written.startsWith(u' ') || written.startsWith(u'\t') ||
                        written.startsWith(u'"') || written.contains(u',');
    if (quoted)
        written.replace(u'"', u'\'');
    return written;
}

} // namespace ladrix::fuzz
