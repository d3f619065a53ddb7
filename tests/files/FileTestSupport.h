#pragma once

#include "core/LadderGrid.h"
#include "core/ProgramStore.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <random>
#include <stdexcept>

#include <ostream>

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
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A temporary folder for the files of one test.
class TempFolder {
public:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString folder() const { return m_dir.path(); }
    // Writes `bytes` to the file `name` and returns its path.
    QString write(const QString& name, const QByteArray& bytes) const
    {
        const QString file = path(name);
        if (!writeBytes(file, bytes))
            throw std::runtime_error("cannot write test file");
        return file;
    }

private:
    QTemporaryDir m_dir;
};

// The lines of a CR LF file; fails the caller's expectations when a bare LF or CR appears.
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

// Texts the files carry exactly: no comma, no line break, no leading blank or double quote.
class RandomProgram {
public:
    explicit RandomProgram(unsigned seed) : m_random(seed) {}

    QString text()
    {
        static const QStringList pieces = {"LD",   "OUT",    "X0",  "Y30",  "T050", "K",    "100",
                                           "定时", "新工程", "M 7", "12.3", "END",  "a\"b", "ü"};
        const int count = pick(0, 3);
        QString result;
        for (int i = 0; i < count; ++i)
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
        static const qint16 elements[] = {0, 1, 2, 3, 4, 5, 8};
        static const qint16 edges[] = {0, 6, 7};
        for (int i = 0; i <= LadderGrid::kLastIndex; ++i) {
            Cell& cell = grid.cell(i);
            cell.type = elements[pick(0, 6)];
            cell.left = edges[pick(0, 2)];
            cell.right = edges[pick(0, 2)];
            cell.dev = text();
            cell.data = text();
        }
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

private:
    std::mt19937 m_random;
};

} // namespace ladrix::testing
