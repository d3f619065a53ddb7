#include "AppFixture.h"

#include "app/UndoHistory.h"
#include "il/InstrEditor.h"
#include "ladder/ui/LadderEditor.h"

#include <QInputDialog>
#include <QUndoStack>
#include <random>

namespace ladrix::test {
namespace {

// What undo and redo must bring back exactly.
struct Program {
    std::vector<Step> steps;
    LadderGrid grid;
    int blockStart;
    int blockEnd;
    bool operator==(const Program&) const = default;
};

// A saved project opened again, edited at random through the windows' keys, clicks and items.
class UndoTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        newProject("undo");
        fillSteps(40);
        project.grid().cell(0) = Cell{kContact, kPlainEdge, kPlainEdge, "X0", {}};
        project.notifyGridChanged();
        prompts.saveAnswers = {path("undo.lrp")};
        choose("mnuFSave");
        choose("mnuFClose");
        prompts.openAnswers = {path("undo.lrp")};
        choose("mnuFOpen");
        // Rows are stored as the focus leaves them, which needs the window active.
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        // Element dialogs take a device (and a mnemonic or a constant where asked) at once.
        prompts.dialogDriver = [](QDialog& dialog) {
            QTest::keyClicks(dialog.findChild<QLineEdit*>("txtDev"), "M7");
            QTest::keyClicks(dialog.findChild<QLineEdit*>("txtK"), "9");
            QTest::mouseClick(dialog.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        };
    }
    Program current() const
    {
        Program p{{}, project.grid(), project.program().blockStart, project.program().blockEnd};
        for (int i = 0; i < ProgramStore::kSize; ++i)
            p.steps.push_back(project.program().step(i));
        return p;
    }
    QLineEdit* row(int r)
    {
        return window->instrWindow().editor().findChild<QLineEdit*>(
            QStringLiteral("txtIns_%1").arg(r));
    }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    void randomEdit()
    {
        LadderEditor& ladder = window->ladderWindow().editor();
        switch (pick(8)) {
        case 0: {
            QLineEdit* text = row(pick(20));
            QTest::mouseClick(text, Qt::LeftButton);
            text->selectAll();
            QTest::keyClicks(text, QStringLiteral("and m%1 'c%2").arg(pick(8)).arg(pick(9)));
            QTest::keyClick(text, Qt::Key_Return);
            break;
        }
        case 1:
            QTest::mouseClick(row(pick(20)), Qt::LeftButton);
            choose(pick(2) ? "mnuIInsert" : "mnuIDelete");
            break;
        case 2:
            QTest::mouseClick(row(pick(10)), Qt::LeftButton);
            choose("mnuIFirst");
            QTest::mouseClick(row(10 + pick(10)), Qt::LeftButton);
            choose("mnuILast");
            choose(pick(2) ? "mnuICut" : "mnuIPaste");
            break;
        case 3:
        case 4: {
            ladder.editing().imgClick(pick(40));
            if (pick(4))
                QTest::keyClick(&ladder, "0123456789"[pick(10)]);
            else
                QTest::keyClick(&ladder, Qt::Key_Delete);
            break;
        }
        case 5:
            ladder.editing().imgClick(pick(40));
            choose(pick(2) ? "mnuLInsert" : "mnuLDelete");
            break;
        case 6:
            choose(pick(4) ? "mnuL2I" : "mnuLClear");
            break;
        default:
            choose("mnuIUndo");
            break;
        }
    }

    std::mt19937 random{20261208};
};

TEST_F(UndoTest, EveryEditUndoesBackToTheOpenedProjectAndRedoesToTheEditedOne)
{
    const Program opened = current();
    EXPECT_FALSE(project.isModified());
    QUndoStack& stack = window->history().stack();
    EXPECT_FALSE(stack.canUndo()) << "opening starts a new history";
    for (int i = 0; i < 300; ++i)
        randomEdit();
    window->instrWindow().commitEdits();
    const Program edited = current();
    // The sequence may have ended on an undo: redo then goes back to where it stood.
    const int editedIndex = stack.index();
    ASSERT_NE(edited, opened);
    EXPECT_TRUE(project.isModified());
    EXPECT_GT(stack.count(), 50);

    while (menu("mnuIUndo")->isEnabled())
        clickTool("mnuEUndo");
    EXPECT_EQ(current(), opened);
    EXPECT_FALSE(project.isModified());
    EXPECT_FALSE(window->windowTitle().contains('*'));
    while (stack.index() < editedIndex)
        choose("mnuLRedo");
    EXPECT_EQ(current(), edited);
    EXPECT_TRUE(project.isModified());
}

TEST_F(UndoTest, UndoKeysBelongToARowWhileItIsTyped)
{
    QLineEdit* text = row(2);
    QTest::mouseClick(text, Qt::LeftButton);
    const QString shown = text->text();
    text->selectAll();
    QTest::keyClicks(text, "out y31");
    QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text->text(), shown) << "the row's own typing is taken back";
    text->selectAll();
    QTest::keyClicks(text, "out y31");
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(project.program().step(2), (Step{"OUT", "Y31", {}}));
    QTest::mouseClick(row(2), Qt::LeftButton);
    QTest::keyClick(row(2), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(project.program().step(2), (Step{"LD", "M102", {}})) << "the program's edit";
    QTest::keyClick(row(2), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(project.program().step(2), (Step{"OUT", "Y31", {}}));
}

// The program's keys reach the main window's items from any of its windows.
TEST_F(UndoTest, KeysWorkFromEveryWindowAndGoToStepFocusesTheStep)
{
    LadderWindow& ladder = window->ladderWindow();
    QWidget* focuses[] = {row(3), &ladder.editor(), ladder.palette()};
    for (QWidget* focus : focuses) {
        focus->activateWindow();
        focus->setFocus();
        prompts.dialogsRun.clear();
        prompts.dialogDriver = [](QDialog& dialog) {
            auto* input = qobject_cast<QInputDialog*>(&dialog);
            ASSERT_NE(input, nullptr);
            input->setIntValue(37);
            input->accept();
        };
        QTest::keyClick(focus, Qt::Key_G, Qt::ControlModifier);
        EXPECT_EQ(prompts.dialogsRun, QStringList{"frmGoto"}) << focus->objectName().toStdString();
    }
    InstrEditor& editor = window->instrWindow().editor();
    EXPECT_EQ(editor.topStep(), 37);
    EXPECT_EQ(window->focusWidget(), row(0)) << "step 37 stands in row 0 and has the keyboard";
    EXPECT_EQ(row(0)->selectedText(), row(0)->text());
}

TEST_F(UndoTest, EmptyLadderIsNotConvertedOverTheProgram)
{
    choose("mnuLClear");
    const Program before = current();
    prompts.messages.clear();
    choose("mnuL2I");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, u"梯形图为空"_s);
    EXPECT_EQ(current(), before);
}

} // namespace
} // namespace ladrix::test
