#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

namespace ladrix {

// Element codes of a ladder cell.
enum ElementCode : qint16 {
    kEmpty = 0,
    kContact = 1,
    kClosedContact = 2,
    kCoil = 3,
    kFunctionBox = 4,
    kLine = 5,
    kStepContact = 8,
};

// Edge codes of a cell's left and right boundary.
enum EdgeCode : qint16 {
    kNoEdge = 0,
    kPlainEdge = 6,
    kLinkDown = 7, // vertical wire from this row's rung line down to the next row's
};

struct Cell {
    qint16 type = kEmpty;
    qint16 left = kNoEdge;
    qint16 right = kNoEdge;
    QString dev;  // operand shown above the element
    QString data; // coil constant or function-box mnemonic, shown below

    bool operator==(const Cell&) const = default;
    // The compiler steps over a cell that has any of its three codes 0.
    bool inUse() const { return type != kEmpty && left != kNoEdge && right != kNoEdge; }
};

// Position of a cell: index = row * 10 + column. Cell 10000 is column 0 of row 1000, which
// belongs to no usable row but is kept, saved and loaded with the others.
struct GridPos {
    int index = 0;

    static constexpr GridPos at(int row, int column) { return GridPos{row * 10 + column}; }
    constexpr int row() const { return index / 10; }
    constexpr int column() const { return index % 10; }
    bool operator==(const GridPos&) const = default;
};

// The ladder diagram: one fixed grid of 1000 rows by 10 columns plus cell 10000.
class LadderGrid {
public:
    static constexpr int kColumns = 10;
    static constexpr int kRows = 1000;
    static constexpr int kLastIndex = 10000;
    static constexpr int kSize = kLastIndex + 1;
    static constexpr int kOutputColumn = 9;

    LadderGrid();

    Cell& cell(int i);
    const Cell& cell(int i) const;
    Cell& operator[](GridPos p) { return cell(p.index); }
    const Cell& operator[](GridPos p) const { return cell(p.index); }
    static bool inRange(int i) { return i >= 0 && i <= kLastIndex; }

    void clear();
    bool isClear() const;
    bool operator==(const LadderGrid&) const = default;

private:
    std::vector<Cell> m_cells;
};

} // namespace ladrix
