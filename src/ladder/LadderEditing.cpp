#include "LadderEditing.h"

#include <QCoreApplication>
#include <algorithm>
#include <vector>

namespace ladrix {

namespace {

constexpr int kColumns = LadderGrid::kColumns;
constexpr int kOutput = LadderGrid::kOutputColumn;

void setInUse(Cell& cell, qint16 type)
{
    cell.type = type;
    cell.left = kPlainEdge;
    cell.right = kPlainEdge;
}

// A box or a coil with constant keeps a link mark standing on its edges.
void keepLinks(Cell& cell, qint16 type)
{
    cell.type = type;
    if (cell.left == kNoEdge)
        cell.left = kPlainEdge;
    if (cell.right == kNoEdge)
        cell.right = kPlainEdge;
}

// Takes a link off an edge of the cell above: an empty cell keeps no edge at all.
qint16 clearedEdge(const Cell& cell)
{
    return cell.type == kEmpty ? kNoEdge : kPlainEdge;
}

} // namespace

LadderEditing::LadderEditing(LadderGrid& grid) : m_grid(grid) {}

void LadderEditing::setTop(int row)
{
    m_top = std::clamp(row, 0, kMaxTop);
}

bool LadderEditing::formKeyDown(int keyCode)
{
    if (keyCode >= Key0 && keyCode <= Key9)
        return putLad(keyCode - Key0);
    const int row = m_activeCell / kColumns;
    const int column = m_activeCell % kColumns;
    switch (keyCode) {
    case KeyDelete:
        return putLad(kDeleteCode);
    case KeyUp:
        if (row > 0)
            imgClick(m_activeCell - kColumns);
        else if (m_top > 0)
            --m_top;
        break;
    case KeyDown:
        if (row < kScreenRows - 1)
            imgClick(m_activeCell + kColumns);
        else if (m_top < kMaxTop)
            ++m_top;
        break;
    case KeyLeft:
        imgClick(column > 0 ? m_activeCell - 1 : m_activeCell + kOutput);
        break;
    case KeyRight:
        imgClick(column < kOutput ? m_activeCell + 1 : m_activeCell - kOutput);
        break;
    default:
        break;
    }
    return false;
}

void LadderEditing::imgClick(int k)
{
    if (k < 0 || k >= kScreenCells)
        return;
    m_activeCell = k;
    m_cursorShown = true;
}

void LadderEditing::activeAdd(int n)
{
    for (int i = 0; i < n; ++i) {
        const int next = m_activeCell + 1;
        if (next < kScreenCells) {
            imgClick(next);
        } else if (m_top < kLastShiftedRow) {
            ++m_top;
            imgClick(kScreenCells - kColumns);
        }
    }
}

Cell* LadderEditing::currentCell()
{
    return LadderGrid::inRange(current()) ? &m_grid.cell(current()) : nullptr;
}

std::optional<ElementInput> LadderEditing::ask(int mode, int type)
{
    if (!m_ask)
        return std::nullopt;
    return m_ask(ElementRequest{mode, type});
}

bool LadderEditing::putLad(int code)
{
    Cell* cell = currentCell();
    // Cells past the grid's end take no element.
    if (!cell)
        return false;
    switch (code) {
    case 0:
        return placeAtOutput(code, {ElementRequest::DeviceOnly, kCoil});
    case 6:
        return placeAtOutput(code, {ElementRequest::DeviceAndFunction, kFunctionBox});
    case 7:
        return placeAtOutput(code, {ElementRequest::DeviceAndConstant, kCoil});
    case 3:
        return placeParallel(kContact);
    case 4:
        return placeParallel(kClosedContact);
    case 8:
        return placeVerticalLink();
    case kDeleteCode:
        return deleteElement();
    case 9:
        *cell = Cell{};
        setInUse(*cell, kLine);
        activeAdd(1);
        return true;
    case 1:
    case 2:
    case 5:
        return placeElement(code);
    default:
        return false;
    }
}

bool LadderEditing::placeElement(int code)
{
    const qint16 type = code == 1 ? kContact : code == 2 ? kClosedContact : kStepContact;
    const auto input = ask(ElementRequest::DeviceOnly, type);
    if (!input)
        return false;
    Cell& cell = *currentCell();
    cell.dev = elementText(*input, 0);
    setInUse(cell, type);
    activeAdd(1);
    return true;
}

// Coils and boxes stand in the output column, the rest of the row drawn through with lines.
// The lines are written only once the dialog is accepted, so a cancel leaves the row as it was.
bool LadderEditing::placeAtOutput(int code, const ElementRequest& request)
{
    const int here = current();
    const int output = here - here % kColumns + kOutput;
    if (!LadderGrid::inRange(output))
        return false;
    const auto input = ask(request.inputMode, request.inputType);
    if (!input)
        return false;
    for (int i = here; i < output; ++i) {
        m_grid.cell(i) = Cell{};
        setInUse(m_grid.cell(i), kLine);
    }
    imgClick(m_activeCell + (output - here));
    Cell& cell = m_grid.cell(output);
    cell.dev = elementText(*input, 0);
    if (code == 0) {
        setInUse(cell, kCoil);
    } else if (code == 6) {
        cell.data = elementText(*input, 1);
        keepLinks(cell, kFunctionBox);
    } else {
        cell.data = elementText(*input, 2);
        keepLinks(cell, kCoil);
    }
    activeAdd(1);
    return true;
}

bool LadderEditing::placeParallel(qint16 type)
{
    const int here = current();
    if (here < kColumns)
        return false;
    Cell& above = m_grid.cell(here - kColumns);
    if (above.type != kContact && above.type != kClosedContact) {
        if (m_show)
            m_show(QCoreApplication::translate("LadderEditing", "这里无法使用OR或ORI"));
        return false;
    }
    const auto input = ask(ElementRequest::DeviceOnly, type);
    if (!input)
        return false;
    Cell& cell = m_grid.cell(here);
    cell.dev = elementText(*input, 0);
    cell.type = type;
    above.left = kLinkDown;
    above.right = kLinkDown;
    cell.left = kPlainEdge;
    cell.right = kPlainEdge;
    activeAdd(1);
    return true;
}

// Cycles the link between this row and the row above: under an empty cell no link, left, right;
// under a cell in use no link, right, left.
bool LadderEditing::placeVerticalLink()
{
    const int here = current();
    if (here < kColumns)
        return false;
    Cell& a = m_grid.cell(here);
    Cell& u = m_grid.cell(here - kColumns);
    const Cell oldA = a;
    const Cell oldU = u;
    const bool empty = a.type == kEmpty;
    if (empty && u.left == kLinkDown) {
        u.right = kLinkDown;
        u.left = clearedEdge(u);
    } else if (empty && u.right == kLinkDown) {
        u.right = clearedEdge(u);
    } else if (!empty && u.left == kLinkDown) {
        u.left = clearedEdge(u);
    } else if (!empty && u.right == kLinkDown) {
        u.left = kLinkDown;
        u.right = clearedEdge(u);
    } else if (u.type != kEmpty) {
        if (empty) {
            u.left = kLinkDown;
            a.dev.clear();
            a.data.clear();
        } else {
            u.right = kLinkDown;
        }
    } else if (here >= 2 * kColumns) {
        // A wire beside an empty cell continues the link of the row above it.
        const Cell& w = m_grid.cell(here - 2 * kColumns);
        if (w.left == kLinkDown || w.right == kLinkDown)
            u.left = kLinkDown;
        else
            u.right = kLinkDown;
    }
    return a != oldA || u != oldU;
}

bool LadderEditing::deleteElement()
{
    const int here = current();
    Cell& a = m_grid.cell(here);
    const Cell oldA = a;
    a.type = kEmpty;
    // A link down from this cell stays; the plain edges go with the element.
    if (a.left == kPlainEdge)
        a.left = kNoEdge;
    if (a.right == kPlainEdge)
        a.right = kNoEdge;
    a.dev.clear();
    a.data.clear();
    bool changed = a != oldA;
    if (here >= kColumns) {
        Cell& u = m_grid.cell(here - kColumns);
        for (qint16* edge : {&u.left, &u.right}) {
            if (*edge == kLinkDown) {
                *edge = kPlainEdge;
                changed = true;
            }
        }
    }
    return changed;
}

// Moves rows `from`..`to` - 1 one row down (or up when from > to) by copying them out first,
// so a failure part way leaves the grid untouched.
void LadderEditing::shiftRows(int from, int to)
{
    const int first = std::min(from, to) * kColumns;
    const int count = (std::max(from, to) - std::min(from, to)) * kColumns;
    std::vector<Cell> moved;
    moved.reserve(count + kColumns);
    const bool down = to > from;
    if (down)
        moved.insert(moved.end(), kColumns, Cell{});
    for (int i = 0; i < count; ++i)
        moved.push_back(m_grid.cell(first + (down ? 0 : kColumns) + i));
    if (!down)
        moved.insert(moved.end(), kColumns, Cell{});
    for (int i = 0; i < int(moved.size()); ++i)
        std::swap(m_grid.cell(first + i), moved[i]);
}

bool LadderEditing::insertLad()
{
    const int row = m_top + m_activeCell / kColumns;
    if (row > kLastShiftedRow)
        return false;
    shiftRows(row, kLastShiftedRow);
    return true;
}

bool LadderEditing::deleteLad()
{
    const int row = m_top + m_activeCell / kColumns;
    if (row > kLastShiftedRow)
        return false;
    shiftRows(kLastShiftedRow, row);
    return true;
}

} // namespace ladrix
