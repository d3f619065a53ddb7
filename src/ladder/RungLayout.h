#pragma once

#include "core/LadderGrid.h"
#include "core/ProgramEvaluator.h"

#include <QString>
#include <vector>

namespace ladrix {

// The condition of one rung as a series-parallel tree, built from its instruction list the
// way the block stack executes it, and laid out on grid rows.
class RungLayout final {
public:
    // As many open blocks as the controller executes.
    static constexpr int kMaxBlocks = ProgramEvaluator::kMaxBlocks;
    // Columns 0 to 8 hold the condition; column 9 the outputs.
    static constexpr int kConditionColumns = LadderGrid::kOutputColumn;

    struct Output {
        qint16 type = kCoil;
        QString dev;
        QString data;
    };

    // Each returns false when the step cannot be drawn (no block to extend, too many open
    // blocks, ANB or ORB without two blocks); the rung is then left unchanged.
    bool openBlock(qint16 code, const QString& dev);
    bool addSeries(qint16 code, const QString& dev);
    bool addParallel(qint16 code, const QString& dev);
    bool joinBlocks(bool inSeries);

    int openBlocks() const { return int(m_stack.size()); }
    bool isEmpty() const { return m_stack.empty(); }
    void clear();

    // Rows the rung takes and its width in condition columns (valid with at most one block).
    int height(int outputs) const;
    int width() const;

    // Cells of the rung, row by row from its main row: the condition, lines from it up to
    // column 8 when there are outputs, and the outputs stacked in column 9. Empty when the
    // condition is wider than the condition columns.
    std::vector<Cell> cells(const std::vector<Output>& outputs) const;

private:
    enum class Kind { Contact, Series, Parallel };
    struct Node {
        Kind kind = Kind::Contact;
        qint16 code = kContact;
        QString dev;
        bool rightAligned = false; // an OR contact stands in its group's last column
        std::vector<int> children;
        int width = 1;
        int height = 1;
    };

    int addNode(Node node);
    int series(int left, int right);
    int parallel(int upper, int lower);
    void place(int node, int row, int column, std::vector<Cell>& cells) const;

    std::vector<Node> m_nodes;
    std::vector<int> m_stack;
};

} // namespace ladrix
