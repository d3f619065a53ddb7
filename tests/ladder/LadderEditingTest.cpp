#include "ladder/LadderEditing.h"
#include "LadderTestSupport.h"

#include <deque>
#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::test;

namespace {

// An editor over a grid whose dialog answers come from a queue (an empty text cancels) and
// whose messages are collected.
class LadderEditingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        editing.setAskElement([this](const ElementRequest& r) -> std::optional<ElementInput> {
            asked.push_back(r);
            if (answers.empty() || answers.front().inputText[0] == "cancel") {
                if (!answers.empty())
                    answers.pop_front();
                return std::nullopt;
            }
            ElementInput answer = answers.front();
            answers.pop_front();
            return answer;
        });
        editing.setShowMessage([this](const QString& text) { messages.push_back(text); });
    }

    void answer(const QString& device, const QString& function = {}, const QString& k = {})
    {
        answers.push_back(ElementInput{{device, function, k}});
    }
    void at(int row, int column)
    {
        editing.setTop(0);
        editing.imgClick(row * 10 + column);
    }
    bool key(int digit) { return editing.formKeyDown(LadderEditing::Key0 + digit); }
    const Cell& cell(int row, int column) const
    {
        return grid.cell(GridPos::at(row, column).index);
    }

    LadderGrid grid;
    LadderEditing editing{grid};
    std::deque<ElementInput> answers;
    std::vector<ElementRequest> asked;
    std::vector<QString> messages;
};

TEST_F(LadderEditingTest, CoilKeysFillTheRowAndPlaceTheOutputInColumnNine)
{
    const struct {
        int key;
        ElementInput input;
        QString row;
        int mode;
    } cases[] = {
        {0, {{" y30 ", {}, {}}}, "X0 X1 X2 - - - - - - (Y30)", ElementRequest::DeviceOnly},
        {7,
         {{"t50", {}, "100"}},
         "X0 X1 X2 - - - - - - (T50,100)",
         ElementRequest::DeviceAndConstant},
        {6, {{"", "end", {}}}, "X0 X1 X2 - - - - - - [END]", ElementRequest::DeviceAndFunction},
    };
    for (const auto& c : cases) {
        grid = gridOf({"X0 X1 X2 X3 X4"});
        at(0, 3);
        answers = {c.input};
        asked.clear();
        EXPECT_TRUE(key(c.key));
        EXPECT_EQ(pictureOf(grid, 0, 0), c.row) << "key " << c.key;
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked[0].inputMode, c.mode);
        EXPECT_EQ(editing.activeCell(), 10) << "cursor on column 0 of the next row";
    }
}

TEST_F(LadderEditingTest, CancelledDialogLeavesGridAndCursorAsTheyWere)
{
    for (int k : {0, 1, 2, 3, 4, 5, 6, 7}) {
        grid = gridOf({"X0 X1 X2 X3", "X5 X6"});
        const LadderGrid before = grid;
        at(1, 1);
        answers = {ElementInput{{"cancel", {}, {}}}};
        EXPECT_FALSE(key(k)) << "key " << k;
        EXPECT_EQ(grid, before) << "key " << k;
        EXPECT_EQ(editing.activeCell(), 11) << "key " << k;
    }
}

TEST_F(LadderEditingTest, ElementKeysPlaceTheirElementAndAdvance)
{
    const struct {
        int key;
        Cell placed;
    } cases[] = {
        {1, {kContact, kPlainEdge, kPlainEdge, "X0", "K9"}},
        {2, {kClosedContact, kPlainEdge, kPlainEdge, "X0", "K9"}},
        {5, {kStepContact, kPlainEdge, kPlainEdge, "X0", "K9"}},
        {9, {kLine, kPlainEdge, kPlainEdge, {}, {}}},
    };
    for (const auto& c : cases) {
        grid = LadderGrid{};
        // What stood there before: a link mark on each edge and a constant below.
        grid.cell(GridPos::at(2, 4).index) = Cell{kCoil, kLinkDown, kLinkDown, "T1", "K9"};
        at(2, 4);
        answer("x0");
        EXPECT_TRUE(key(c.key));
        EXPECT_EQ(cell(2, 4), c.placed) << "key " << c.key;
        EXPECT_EQ(editing.activeCell(), 25);
    }
}

TEST_F(LadderEditingTest, ParallelContactNeedsAContactAbove)
{
    const struct {
        QStringList rows;
        int row;
        bool placed;
        bool message;
    } cases[] = {
        {{"X0"}, 0, false, false},     {{"(Y30)"}, 1, false, true},
        {{". X0"}, 1, false, true}, {{"X0"}, 1, true, false},
        {{"/X0"}, 1, true, false},
    };
    for (const auto& c : cases) {
        grid = gridOf(c.rows);
        messages.clear();
        at(c.row, 0);
        answer("X1");
        EXPECT_EQ(key(3), c.placed);
        EXPECT_EQ(messages.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(messages[0], "这里无法使用OR或ORI");
        }
        if (c.placed) {
            EXPECT_EQ(cell(c.row - 1, 0).left, kLinkDown);
            EXPECT_EQ(cell(c.row - 1, 0).right, kLinkDown);
            EXPECT_EQ(cell(c.row, 0), (Cell{kContact, kPlainEdge, kPlainEdge, "X1", {}}));
        }
    }
}

TEST_F(LadderEditingTest, VerticalLinkKeyCyclesItsStates)
{
    const struct {
        QStringList rows;
        int row;
        std::vector<QString> above; // the row above after each press
    } cases[] = {
        {{"X0 X1", ". ."}, 1, {"|X0 X1", "X0| X1", "X0 X1"}},
        {{"X0 X1", "X2 X3"}, 1, {"X0| X1", "|X0 X1", "X0 X1"}},
        // Beside an empty cell the wire goes on from the link of the row above it.
        {{"|X0", ". .", ". ."}, 2, {"|.", ".|", ""}},
        {{"X0", ". .", ". ."}, 2, {".|", "", ".|"}},
    };
    for (const auto& c : cases) {
        grid = gridOf(c.rows);
        for (const QString& expected : c.above) {
            at(c.row, 0);
            key(8);
            EXPECT_EQ(pictureOf(grid, c.row - 1, c.row - 1), expected)
                << c.rows.join('/').toStdString();
            EXPECT_EQ(editing.activeCell(), c.row * 10) << "the cursor stays";
        }
    }
    grid = gridOf({"X0", "."});
    at(0, 0);
    EXPECT_FALSE(key(8)) << "nothing on row 0";
}

TEST_F(LadderEditingTest, DeleteKeepsTheCellsOwnLinksAndDropsThoseComingDown)
{
    grid = gridOf({"|X0|", "X1| X2"});
    at(1, 0);
    EXPECT_TRUE(editing.formKeyDown(LadderEditing::KeyDelete));
    EXPECT_EQ(cell(1, 0), (Cell{kEmpty, kNoEdge, kLinkDown, {}, {}}));
    EXPECT_EQ(cell(0, 0), (Cell{kContact, kPlainEdge, kPlainEdge, "X0", {}}));
    EXPECT_EQ(editing.activeCell(), 10);
}

TEST_F(LadderEditingTest, ArrowsMoveTheCursorAndScrollAtTheEdges)
{
    const struct {
        int top, cell, key, top2, cell2;
    } cases[] = {
        {0, 9, LadderEditing::KeyRight, 0, 0},        {0, 30, LadderEditing::KeyLeft, 0, 39},
        {0, 35, LadderEditing::KeyUp, 0, 25},         {5, 3, LadderEditing::KeyUp, 4, 3},
        {0, 3, LadderEditing::KeyUp, 0, 3},           {0, 95, LadderEditing::KeyDown, 1, 95},
        {1000, 95, LadderEditing::KeyDown, 1000, 95}, {0, 5, LadderEditing::KeyDown, 0, 15},
        {0, 5, 96 /* numeric keypad 0 */, 0, 5},
    };
    for (const auto& c : cases) {
        editing.setTop(c.top);
        editing.imgClick(c.cell);
        EXPECT_FALSE(editing.formKeyDown(c.key));
        EXPECT_EQ(editing.top(), c.top2) << c.top << "/" << c.cell << " key " << c.key;
        EXPECT_EQ(editing.activeCell(), c.cell2) << c.top << "/" << c.cell << " key " << c.key;
    }
}

TEST_F(LadderEditingTest, AdvancingFromTheLastScreenCellScrollsUpToRow990)
{
    for (const auto& [top, topAfter, cellAfter] : {std::tuple{5, 6, 90}, {990, 990, 99}}) {
        editing.setTop(top);
        editing.imgClick(99);
        EXPECT_TRUE(key(9));
        EXPECT_EQ(editing.top(), topAfter);
        EXPECT_EQ(editing.activeCell(), cellAfter);
        EXPECT_EQ(grid.cell((top + 9) * 10 + 9).type, kLine);
    }
}

TEST_F(LadderEditingTest, CellsPastTheGridTakeNoElement)
{
    editing.setTop(1000);
    for (int cell : {1, 9}) {
        editing.imgClick(cell);
        answer("Y30");
        EXPECT_FALSE(key(0));
        EXPECT_FALSE(key(9));
    }
    EXPECT_TRUE(grid.isClear());
    editing.imgClick(0);
    EXPECT_TRUE(key(9)) << "cell 10000 is part of the grid";
    EXPECT_FALSE(key(0)) << "its row has no output column";
}

TEST_F(LadderEditingTest, RowInsertAndDeleteShiftUpToRow990)
{
    const auto marked = [](int row) {
        return Cell{kContact, kPlainEdge, kPlainEdge, QString::number(row), {}};
    };
    for (int row : {10, 11, 989, 990, 991})
        grid.cell(GridPos::at(row, 0).index) = marked(row);
    editing.setTop(5);
    editing.imgClick(50); // grid row 10
    EXPECT_TRUE(editing.insertLad());
    EXPECT_EQ(cell(10, 0), Cell{});
    EXPECT_EQ(cell(11, 0), marked(10));
    EXPECT_EQ(cell(12, 0), marked(11));
    EXPECT_EQ(cell(990, 0), marked(989)) << "row 990 is lost";
    EXPECT_EQ(cell(991, 0), marked(991)) << "rows past 990 never move";
    EXPECT_TRUE(editing.deleteLad());
    EXPECT_EQ(cell(10, 0), marked(10));
    EXPECT_EQ(cell(989, 0), marked(989));
    EXPECT_EQ(cell(990, 0), Cell{});

    editing.setTop(990);
    editing.imgClick(0);
    grid.cell(GridPos::at(990, 0).index) = marked(990);
    EXPECT_TRUE(editing.insertLad());
    EXPECT_EQ(cell(990, 0), Cell{});
    EXPECT_EQ(cell(991, 0), marked(991));
    editing.imgClick(50); // grid row 995
    const LadderGrid before = grid;
    EXPECT_FALSE(editing.deleteLad());
    EXPECT_FALSE(editing.insertLad());
    EXPECT_EQ(grid, before);
}

TEST(ElementInputTest, OkChecksTheFieldsOfEachMode)
{
    const struct {
        int mode;
        QString fnc, dev, k;
        QString message;
        QStringList texts;
    } cases[] = {
        {1, {}, "  ", {}, "必须要输入器件号", {}},
        {1, {}, " 27 ", {}, {}, {"X27", {}, {}}},
        {1, {}, "y30", {}, {}, {"y30", {}, {}}},
        {2, "end", {}, {}, {}, {{}, "end", {}}},
        {2, " nop ", "M100", {}, {}, {{}, "nop", {}}},
        {2, "PLS", {}, {}, "必须要输入器件号和功能指令名称", {}},
        {2, {}, "M100", {}, "必须要输入器件号和功能指令名称", {}},
        {2, "rst", "60", {}, {}, {"C60", "rst", {}}},
        {3, {}, "T50", "5", {}, {"T50", {}, "005"}},
        {3, {}, "50", "1000", {}, {"T50", {}, "1000"}},
        {3, {}, "T50", " ", "必须要输入器件号和K常数", {}},
        {3, {}, "", "5", "必须要输入器件号和K常数", {}},
    };
    for (const auto& c : cases) {
        const ElementCheck check = checkElementInput(c.mode, c.fnc, c.dev, c.k);
        EXPECT_EQ(check.message, c.message) << c.mode << " " << c.fnc.toStdString();
        EXPECT_EQ(check.input.has_value(), c.message.isEmpty());
        if (check.input) {
            const auto& texts = check.input->inputText;
            EXPECT_EQ(QStringList(texts.begin(), texts.end()), c.texts) << c.dev.toStdString();
        }
    }
}

} // namespace
