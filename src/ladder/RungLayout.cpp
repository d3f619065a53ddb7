#include "RungLayout.h"

#include <algorithm>

namespace ladrix {

namespace {

Cell& cellAt(std::vector<Cell>& cells, int row, int column)
{
    return cells[std::size_t(row * LadderGrid::kColumns + column)];
}

void putLine(std::vector<Cell>& cells, int row, int column)
{
    cellAt(cells, row, column) = Cell{kLine, kPlainEdge, kPlainEdge, {}, {}};
}

} // namespace

int RungLayout::addNode(Node node)
{
    m_nodes.push_back(std::move(node));
    return int(m_nodes.size()) - 1;
}

int RungLayout::series(int left, int right)
{
    Node node{Kind::Series, kLine, {}, false, {}, 0, 0};
    for (int part : {left, right}) {
        if (m_nodes[std::size_t(part)].kind == Kind::Series) {
            const std::vector<int> inner = m_nodes[std::size_t(part)].children;
            node.children.insert(node.children.end(), inner.begin(), inner.end());
        } else {
            node.children.push_back(part);
        }
    }
    for (int child : node.children) {
        node.width += m_nodes[std::size_t(child)].width;
        node.height = std::max(node.height, m_nodes[std::size_t(child)].height);
    }
    return addNode(std::move(node));
}

int RungLayout::parallel(int upper, int lower)
{
    // Parallel blocks of parallel blocks are one group of alternatives, so that every way of
    // writing the same group (OR after ORB, ORB of an OR block, ...) is drawn the same way.
    Node node{Kind::Parallel, kLine, {}, false, {}, 0, 0};
    for (int part : {upper, lower}) {
        const Node& n = m_nodes[std::size_t(part)];
        if (n.kind == Kind::Parallel)
            node.children.insert(node.children.end(), n.children.begin(), n.children.end());
        else
            node.children.push_back(part);
    }
    for (int child : node.children) {
        node.width = std::max(node.width, m_nodes[std::size_t(child)].width);
        node.height += m_nodes[std::size_t(child)].height;
    }
    return addNode(std::move(node));
}

bool RungLayout::openBlock(qint16 code, const QString& dev)
{
    if (openBlocks() >= kMaxBlocks)
        return false;
    m_stack.push_back(addNode(Node{Kind::Contact, code, dev, false, {}, 1, 1}));
    return true;
}

bool RungLayout::addSeries(qint16 code, const QString& dev)
{
    if (isEmpty())
        return false;
    const int contact = addNode(Node{Kind::Contact, code, dev, false, {}, 1, 1});
    m_stack.back() = series(m_stack.back(), contact);
    return true;
}

bool RungLayout::addParallel(qint16 code, const QString& dev)
{
    if (isEmpty())
        return false;
    const int contact = addNode(Node{Kind::Contact, code, dev, true, {}, 1, 1});
    m_stack.back() = parallel(m_stack.back(), contact);
    return true;
}

bool RungLayout::joinBlocks(bool inSeries)
{
    if (openBlocks() < 2)
        return false;
    const int inner = m_stack.back();
    m_stack.pop_back();
    m_stack.back() = inSeries ? series(m_stack.back(), inner) : parallel(m_stack.back(), inner);
    return true;
}

void RungLayout::clear()
{
    m_nodes.clear();
    m_stack.clear();
}

int RungLayout::width() const
{
    return isEmpty() ? 0 : m_nodes[std::size_t(m_stack.front())].width;
}

int RungLayout::height(int outputs) const
{
    const int condition = isEmpty() ? 1 : m_nodes[std::size_t(m_stack.front())].height;
    return std::max(condition, outputs);
}

std::vector<Cell> RungLayout::cells(const std::vector<Output>& outputs) const
{
    if (width() > kConditionColumns)
        return {};
    const int rows = height(int(outputs.size()));
    std::vector<Cell> result(std::size_t(rows * LadderGrid::kColumns));
    if (!isEmpty())
        place(m_stack.front(), 0, 0, result);
    if (outputs.empty())
        return result;
    for (int column = width(); column < LadderGrid::kOutputColumn; ++column)
        putLine(result, 0, column);
    for (int k = 0; k < int(outputs.size()); ++k) {
        const Output& o = outputs[std::size_t(k)];
        cellAt(result, k, LadderGrid::kOutputColumn) =
            Cell{o.type, kPlainEdge, kPlainEdge, o.dev, o.data};
        if (k > 0)
            cellAt(result, k - 1, LadderGrid::kOutputColumn).left = kLinkDown;
    }
    return result;
}

void RungLayout::place(int index, int row, int column, std::vector<Cell>& cells) const
{
    const Node& node = m_nodes[std::size_t(index)];
    if (node.kind == Kind::Contact) {
        cellAt(cells, row, column) = Cell{node.code, kPlainEdge, kPlainEdge, node.dev, {}};
        return;
    }
    if (node.kind == Kind::Series) {
        for (int child : node.children) {
            place(child, row, column, cells);
            column += m_nodes[std::size_t(child)].width;
        }
        return;
    }
    // A parallel group: each alternative hangs below the one before and all span the widest;
    // the links down stand on every row between, in the first and the last column. A lone OR
    // contact stands in the last column, any other alternative is padded with lines.
    const int last = column + node.width - 1;
    int r = row;
    for (int child : node.children) {
        const Node& alternative = m_nodes[std::size_t(child)];
        if (alternative.kind == Kind::Contact && alternative.rightAligned) {
            for (int c = column; c < last; ++c)
                putLine(cells, r, c);
            place(child, r, last, cells);
        } else {
            place(child, r, column, cells);
            for (int c = column + alternative.width; c <= last; ++c)
                putLine(cells, r, c);
        }
        r += alternative.height;
    }
    const int lastRow = r - m_nodes[std::size_t(node.children.back())].height;
    for (r = row; r < lastRow; ++r) {
        cellAt(cells, r, column).left = kLinkDown;
        cellAt(cells, r, last).right = kLinkDown;
    }
}

} // namespace ladrix
