#pragma once

#include "core/LadderGrid.h"
#include "core/ProgramStore.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <ostream>
#include <random>
#include <stdexcept>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace ladrix {

inline void PrintTo(const Step& step, std::ostream* os)
{
    *os << '{' << step.ins.toStdString() << '|' << step.data.toStdString() << '|'
        << step.rem.toStdString() << '}';
}

inline void PrintTo(const Cell& cell, std::ostream* os)
{
    *os << '{' << cell.type << ',' << cell.left << ',' << cell.right << ','
        << cell.dev.toStdString() << ',' << cell.data.toStdString() << '}';
}

} // namespace ladrix

namespace ladrix::testing {

inline QByteArray gbk(const QString& text)
{
    return QStringEncoder("GBK").encode(text);
}

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The lines of a CR LF file; a line that lacks its CR is marked so that comparisons fail.
inline QList<QByteArray> crlfLines(const QByteArray& bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        else
            line.append("<no CR>");
    }
    return lines;
}

// A temporary folder for the files of one test.
class TempFolder {
public:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString folder() const { return m_dir.path(); }
    // Writes `bytes` to the file `name` and returns its path.
    QString write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            throw std::runtime_error("cannot write test file");
        return file.fileName();
    }
    QList<QByteArray> lines(const QString& name) const { return crlfLines(readBytes(path(name))); }

private:
    QTemporaryDir m_dir;
};

// The first `count` steps as "mnemonic,operand,comment" texts.
inline QStringList stepsOf(const ProgramStore& store, int count)
{
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << store.step(i).ins + ',' + store.step(i).data + ',' + store.step(i).rem;
    return texts;
}

// The element and edge codes the views know.
inline const QList<qint16> kElementCodes = {0, 1, 2, 3, 4, 5, 8};
inline const QList<qint16> kEdgeCodes = {0, 6, 7};

// Texts the files carry exactly: no comma, no line break, no leading blank or double quote.
class RandomProgram {
public:
    explicit RandomProgram(unsigned seed) : m_random(seed) {}

    QString text()
    {
        static const QStringList pieces = {"LD",   "OUT",    "X0",  "Y30",  "T050", "K",    "100",
                                           "定时", "新工程", "M 7", "12.3", "END",  "a\"b", "ü"};
        QString result;
        for (int count = pick(0, 3); count > 0; --count)
            result += pieces[pick(0, int(pieces.size()) - 1)];
        return result;
    }

    void fill(ProgramStore& store)
    {
        store.plcType = pick(0, 1);
        store.projectName = QStringLiteral("工程") + QString::number(pick(0, 999));
        for (int i = 0; i < ProgramStore::kFileSteps; ++i)
            store.step(i) = Step{text(), text(), QString()};
    }

    void fill(LadderGrid& grid)
    {
        for (int i = 0; i <= LadderGrid::kLastIndex; ++i)
            grid.cell(i) =
                Cell{code(kElementCodes), code(kEdgeCodes), code(kEdgeCodes), text(), text()};
    }

    qint16 code(const QList<qint16>& codes) { return codes[pick(0, int(codes.size()) - 1)]; }
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

private:
    std::mt19937 m_random;
};

} // namespace ladrix::testing
