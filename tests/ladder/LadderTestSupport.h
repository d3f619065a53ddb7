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
void PrintTo(const Cell& c, std::ostream* os);
} // namespace ladrix

namespace ladrix::test {

// A program from lines such as "LD X0" or "K 100"; steps after the lines stay empty.
ProgramStore programOf(const QStringList& lines, int plcType = 1);
// The non-empty steps from step 0 up to the first empty one, as "MNEMONIC OPERAND".
QStringList listOf(const ProgramStore& store);

// Grids as text, one line a row, one blank-separated token a cell from column 0:
//   .  empty      -  line      X0  contact   /X0  closed contact   #S600  step contact
//   (Y30) or (T50,100)  coil with its constant      [END] or [S,M100]  function box
// A '|' before or after a token is a link down from that edge. Elements have plain edges,
// empty cells none. Trailing empty cells of a row may be left out.
LadderGrid gridOf(const QStringList& rows, int firstRow = 0);
// Rows [first, last] in the same notation, one line each, trailing empty cells left out.
QString pictureOf(const LadderGrid& g, int first, int last);

// Well-formedness that every drawing keeps: codes only where they belong, texts only on
// elements, outputs only in column 9, no link down to nothing. Empty when it holds, else the
// first breach. Only the first `cells` cells are looked at.
QString checkDrawnGrid(const LadderGrid& g, int cells = LadderGrid::kSize);

// Random well-formed programs for the round trips. Rungs are series and parallel contacts,
// nested LD...ORB and LD...ANB blocks up to depth 4, stacked outputs (timers and counters with
// K), function boxes, MC, MCR and END with or without a condition.
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
