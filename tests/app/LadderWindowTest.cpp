#include "AppFixture.h"

#include "app/LadderWindow.h"
#include "il/InstrEditor.h"
#include "ladder/ui/LadderEditor.h"
#include "ladder/ui/LadderToolPalette.h"

#include <QComboBox>
#include <QToolBar>

namespace ladrix::test {
namespace {

// The main window with a project open, its element dialogs answered from a queue of device
// texts typed into txtDev (and "FNC:" or "K:" texts into the other field) and OK clicked.
class LadderWindowTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        newProject("pump");
        prompts.dialogDriver = [this](QDialog& dialog) {
            ASSERT_FALSE(answers.isEmpty()) << "an element dialog nobody expected";
            const auto [device, other] = answers.takeFirst();
            QTest::keyClicks(dialog.findChild<QLineEdit*>("txtDev"), device);
            if (!other.isEmpty()) {
                QWidget* field = dialog.findChild<QLineEdit*>("txtK");
                if (!field->isEnabled())
                    field = dialog.findChild<QComboBox*>("cmbFNC")->lineEdit();
                QTest::keyClicks(field, other);
            }
            QTest::mouseClick(dialog.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        };
    }
    LadderWindow& ladder() { return window->ladderWindow(); }
    void keys(const QString& digits)
    {
        for (QChar d : digits)
            QTest::keyClick(&ladder().editor(), d.toLatin1());
    }
    void expectShown(bool editor, bool palette)
    {
        EXPECT_EQ(ladder().isShown(), editor);
        EXPECT_EQ(menu("mnuLView")->isChecked(), editor);
        EXPECT_EQ(ladder().paletteShown(), palette);
        EXPECT_EQ(menu("mnuLTool")->isChecked(), palette);
        EXPECT_EQ(menu("mnuLTool")->isEnabled(), editor);
        EXPECT_EQ(tool("mnuLTool")->isEnabled(), editor);
    }
    const Cell& cell(int row, int column) const
    {
        return project.grid().cell(GridPos::at(row, column).index);
    }

    QList<std::pair<QString, QString>> answers;
};

TEST_F(LadderWindowTest, ViewAndToolItemsOpenAndCloseWindowAndPalette)
{
    expectShown(true, true); // a new project shows the ladder with its palette
    choose("mnuLView");
    expectShown(false, false);
    choose("mnuLView");
    expectShown(true, true);
    clickTool("mnuLTool");
    expectShown(true, false);
    choose("mnuLTool");
    expectShown(true, true);
    // Closing the window by its frame takes the palette along.
    ladder().editor().parentWidget()->close();
    expectShown(false, false);
    choose("mnuLView");
    choose("mnuFClose");
    expectShown(false, false);
    EXPECT_FALSE(menu("mnuLView")->isEnabled());
}

TEST_F(LadderWindowTest, RungDrawnByKeysAndPaletteCompilesIntoTheInstructionList)
{
    // The new-project dialog just closed: the main window comes back to the front.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_TRUE(ladder().editor().hasFocus()) << "keys work at once";
    answers = {{"x0", {}}, {"1", {}}, {"y30", {}}, {"x2", {}}, {"", "END"}};
    keys("11");
    // The palette's coil button does what key 0 does.
    auto* coil = ladder().palette()->toolBar()->findChild<QWidget*>("toolLad_10");
    QTest::mouseClick(coil, Qt::LeftButton);
    EXPECT_EQ(cell(0, 9), (Cell{kCoil, kPlainEdge, kPlainEdge, "Y30", {}}));
    QTest::keyClick(&ladder().editor(), Qt::Key_Right);
    keys("3");
    EXPECT_EQ(cell(0, 1).left, kLinkDown);
    EXPECT_EQ(cell(0, 1).right, kLinkDown);
    QTest::keyClick(&ladder().editor(), Qt::Key_Down);
    QTest::keyClick(&ladder().editor(), Qt::Key_Left);
    QTest::keyClick(&ladder().editor(), Qt::Key_Left);
    keys("6");
    EXPECT_TRUE(answers.isEmpty());

    clickTool("mnuLCnv");
    EXPECT_TRUE(window->instrWindow().isShown());
    const QStringList expected{"LD X0", "LD X1", "OR X2", "ANB", "OUT Y30", "END"};
    for (int i = 0; i < expected.size(); ++i) {
        const Step& s = project.program().step(i);
        EXPECT_EQ((s.ins + ' ' + s.data).trimmed(), expected[i]) << i;
    }
}

TEST_F(LadderWindowTest, EveryGridEditMarksTheProjectUnsaved)
{
    const std::function<void()> edits[] = {
        [&] { keys("9"); },
        [&] { choose("mnuLInsert"); },
        [&] { choose("mnuLDelete"); },
        [&] { choose("mnuLClear"); },
    };
    for (const auto& edit : edits) {
        project.grid().cell(5) = Cell{kLine, kPlainEdge, kPlainEdge, {}, {}};
        project.markSaved();
        edit();
        EXPECT_TRUE(project.isModified());
        EXPECT_TRUE(window->windowTitle().startsWith("pump*"));
    }
}

TEST_F(LadderWindowTest, RowCommandsWorkWithTheWindowClosed)
{
    choose("mnuLView");
    project.grid().cell(GridPos::at(0, 0).index) = Cell{kLine, kPlainEdge, kPlainEdge, {}, {}};
    ladder().editor().editing().imgClick(0);
    choose("mnuLInsert");
    EXPECT_EQ(cell(1, 0).type, kLine);
    EXPECT_FALSE(ladder().isShown());
    choose("mnuLDelete");
    EXPECT_EQ(cell(0, 0).type, kLine);
}

TEST_F(LadderWindowTest, DrawnLadderSurvivesSaveCloseAndReopen)
{
    answers = {{"x0", {}}, {"t50", "30"}};
    keys("17");
    const LadderGrid drawn = project.grid();
    prompts.saveAnswers = {path("drawn.lrp")};
    choose("mnuFSave");
    choose("mnuFClose");
    project.grid().clear();
    project.notifyGridChanged();
    prompts.openAnswers = {path("drawn.lrp")};
    choose("mnuFOpen");
    EXPECT_EQ(project.grid(), drawn);
    EXPECT_EQ(cell(0, 9), (Cell{kCoil, kPlainEdge, kPlainEdge, "T50", "030"}));
    EXPECT_TRUE(ladder().isShown());
}

TEST_F(LadderWindowTest, ResizedEditorsSnapBackAndThePaletteFollowsTheLadder)
{
    QWidget* editors[] = {&window->instrWindow().editor(), &ladder().editor()};
    for (QWidget* editor : editors) {
        QWidget* frame = editor->parentWidget();
        const QSize normal = frame->size();
        EXPECT_GE(normal.width(), editor == editors[1] ? 587 : 600);
        frame->resize(normal + QSize(40, 30));
        EXPECT_EQ(frame->size(), normal);
    }
    QWidget* frame = ladder().editor().parentWidget();
    const QPoint corner = frame->mapToGlobal(QPoint(frame->width(), 0));
    EXPECT_EQ(ladder().palette()->pos(), corner + QPoint(7, 0));
}

} // namespace
} // namespace ladrix::test
