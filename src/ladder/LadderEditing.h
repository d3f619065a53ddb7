#pragma once

#include "ElementInput.h"
#include "core/LadderGrid.h"

#include <functional>
#include <optional>

namespace ladrix {

// The ladder editor's cursor and its edits of the grid, without a window: a screen of 10 x 10
// cells whose top row is `top()` (the scroll bar's value, 0 to 1000) and whose cursor stands on
// screen cell `activeCell()` (0 to 99). Keys arrive as the keyboard's virtual key codes, so the
// palette's buttons and the keyboard share one path.
class LadderEditing final {
public:
    static constexpr int kScreenRows = 10;
    static constexpr int kScreenCells = kScreenRows * LadderGrid::kColumns;
    static constexpr int kMaxTop = 1000;
    // Rows past 990 are never moved by row insert and delete, nor reached by advancing.
    static constexpr int kLastShiftedRow = kMaxTop - kScreenRows;

    // Virtual key codes of the keys the editor answers.
    enum Key {
        KeyLeft = 37,
        KeyUp = 38,
        KeyRight = 39,
        KeyDown = 40,
        KeyDelete = 46,
        Key0 = 48,
        Key9 = 57,
    };
    static constexpr int kDeleteCode = 99;

    // Asks the user for the operand of an element; nothing when the dialog was cancelled.
    using AskElement = std::function<std::optional<ElementInput>(const ElementRequest&)>;
    using ShowMessage = std::function<void(const QString&)>;

    explicit LadderEditing(LadderGrid& grid);

    void setAskElement(AskElement ask) { m_ask = std::move(ask); }
    void setShowMessage(ShowMessage show) { m_show = std::move(show); }

    int top() const { return m_top; }
    void setTop(int row);
    int activeCell() const { return m_activeCell; }
    // The cursor's border shows once the cursor was moved since the window opened.
    bool cursorShown() const { return m_cursorShown; }
    void hideCursor() { m_cursorShown = false; }
    // The grid cell under screen cell k, which may lie past the grid's last cell.
    int cellIndex(int k) const { return m_top * LadderGrid::kColumns + k; }
    int current() const { return cellIndex(m_activeCell); }

    // The key handler; true when the grid changed.
    bool formKeyDown(int keyCode);
    // An element key 0 to 9, or kDeleteCode; true when the grid changed.
    bool putLad(int code);
    void imgClick(int k);
    void activeAdd(int n);
    // Insert an empty row at the cursor's row, or delete that row; true when the grid changed.
    bool insertLad();
    bool deleteLad();

private:
    Cell* currentCell();
    bool placeElement(int code);
    bool placeAtOutput(int code, const ElementRequest& request);
    bool placeParallel(qint16 type);
    bool placeVerticalLink();
    bool deleteElement();
    std::optional<ElementInput> ask(int mode, int type);
    void shiftRows(int from, int to);

    LadderGrid& m_grid;
    AskElement m_ask;
    ShowMessage m_show;
    int m_top = 0;
    int m_activeCell = 0;
    bool m_cursorShown = false;
};

} // namespace ladrix
