#pragma once

#include "core/LadderGrid.h"
#include "core/ProgramStore.h"

#include <QString>
#include <QStringList>
#include <ostream>
#include <random>

// Readable texts and cells in test failures.
void PrintTo(const QString& s, std::ostream* os);

namespace ladrix {
// Readable cells in test failures.
void PrintTo(const Cell& c, std::ostream* os);
} // namespace ladrix

namespace ladrix::test {

// A program from lines such as "LD X0" or "K 100"; steps after the lines stay empty.
ProgramStore programOf(const QStringList& lines, int plcType = 1);
// The non-empty steps from step 0 up to the first empty one, as "MNEMONIC OPERAND".
QStringList listOf(const ProgramStore& store);

// Grid building for hand-drawn cases.
void putContact(LadderGrid& g, int row, int column, const QString& dev, qint16 code = kContact);
void putLine(LadderGrid& g, int row, int column);
void putLines(LadderGrid& g, int row, int fromColumn, int toColumn);
void putCoil(LadderGrid& g, int row, const QString& dev, const QString& constant = {});
void putBox(LadderGrid& g, int row, const QString& mnemonic, const QString& dev = {});
void linkLeft(LadderGrid& g, int row, int column);
void linkRight(LadderGrid& g, int row, int column);

QString cellText(const LadderGrid& g, int index);
// Rows [first, last] as text, for failure messages: "|" marks a link edge.
QString gridPicture(const LadderGrid& g, int first, int last);

// Well-formedness that every drawing keeps: codes only where they belong, texts only on
// elements, outputs only in column 9, every rung beginning in column 0. Empty when it holds,
// else the first breach.
QString checkDrawnGrid(const LadderGrid& g);

// Random well-formed programs for the round trips. Rungs are series and parallel contacts,
// nested LD...ORB and LD...ANB blocks up to depth 4, stacked outputs (timers and counters with
// K), function boxes and unconditioned MC, MCR, CJP, EJP and END rungs.
class ProgramGenerator {
public:
    explicit ProgramGenerator(unsigned seed) : m_random(seed) {}

    // Steps of a program of up to `maxRungs` rungs that fits `maxSteps` steps and 1000 rows.
    QStringList program(int maxSteps, int maxRungs = 8);

private:
    struct Block {
        QStringList steps;
        int width = 1;
        int height = 1;
    };
    Block block(int depth);
    QStringList outputs(int& rows);
    QString contactDevice();
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    std::mt19937 m_random;
};

} // namespace ladrix::test
