#pragma once

#include "core/LadderGrid.h"
#include "core/ProgramStore.h"
#include "core/StepEditing.h"

#include <QList>

namespace ladrix {

class ClassicTextReader;
class ClassicTextWriter;

// The records every file shares: a step as two text lines (mnemonic, operand) and a ladder
// cell as five lines (three codes, then the two texts). Files differ only in what surrounds them.
inline constexpr qsizetype kLinesPerStep = 2;
inline constexpr qsizetype kLinesPerCell = 5;
inline constexpr qsizetype kGridLines = kLinesPerCell * LadderGrid::kSize;

QList<StepPair> filePairs(const ProgramStore& store);
void applyFilePairs(const QList<StepPair>& pairs, ProgramStore& store);

void writePairs(ClassicTextWriter& writer, const QList<StepPair>& pairs);
void writeCell(ClassicTextWriter& writer, const Cell& cell);
void writeCells(ClassicTextWriter& writer, const LadderGrid& grid);

// Read into the entries in order; each returns false when the input ended first, leaving the
// entries not read as they were.
bool readPairs(ClassicTextReader& reader, QList<StepPair>& pairs);
bool readCell(ClassicTextReader& reader, Cell& cell);
bool readCells(ClassicTextReader& reader, LadderGrid& grid);

} // namespace ladrix
