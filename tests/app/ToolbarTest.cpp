#include "AppFixture.h"

#include "il/FindDialog.h"
#include "il/FindReport.h"
#include "ladder/LadderDrawer.h"

#include <QCheckBox>
#include <QLineEdit>

namespace ladrix::test {
namespace {

using ToolbarTest = AppFixture;

TEST_F(ToolbarTest, TailButtonAndCutRunTheBlockCommands)
{
    newProject();
    fillSteps(30);
    project.program().curStep = 5;
    choose("mnuIFirst");
    project.program().curStep = 7;
    clickTool("mnuIDown");
    clickTool("mnuICut");
    EXPECT_EQ(project.program().step(5).data, u"M108"_s);
    EXPECT_EQ(project.program().step(26).data, u"M129"_s);
    EXPECT_TRUE(project.program().step(27).isEmpty());
    EXPECT_EQ(project.program().blockStart, -1);
    EXPECT_EQ(project.program().blockEnd, -1);
    EXPECT_FALSE(tool("mnuIPaste")->isEnabled());
    EXPECT_TRUE(project.isModified());
}

TEST_F(ToolbarTest, InsertAndDeleteButtonsReachTheEditorOnlyWithAProject)
{
    project.program().step(0).ins = "LD";
    project.program().curStep = 0;
    clickTool("mnuIInsert");
    clickTool("mnuFSave");
    EXPECT_EQ(project.program().step(0).ins, u"LD"_s);
    EXPECT_TRUE(prompts.saveAsked.isEmpty());

    newProject();
    fillSteps(3);
    // A row being typed moves with the steps instead of being lost to the redraw.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* row = window->instrWindow().editor().findChild<QLineEdit*>("txtIns_1");
    QTest::mouseClick(row, Qt::LeftButton);
    QTest::keyClick(row, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(row, "out y31");
    EXPECT_EQ(project.program().curStep, 1);
    clickTool("mnuIInsert");
    EXPECT_TRUE(project.program().step(1).isEmpty());
    EXPECT_EQ(project.program().step(2), (Step{"OUT", "Y31", {}}));
    clickTool("mnuIDelete");
    EXPECT_EQ(project.program().step(1), (Step{"OUT", "Y31", {}}));
    EXPECT_EQ(project.program().step(2).data, u"M102"_s);
}

TEST_F(ToolbarTest, FindReportOutlivesTheDialogAndTheCriteriaAreKept)
{
    newProject();
    fillSteps(4);
    prompts.dialogDriver = [](QDialog& dialog) {
        dialog.findChild<QCheckBox*>("ChkIns")->setChecked(true);
        dialog.findChild<QLineEdit*>("txtIns")->setText("ld");
        static_cast<FindDialog&>(dialog).find();
    };
    choose("mnuIView");
    ASSERT_FALSE(window->instrWindow().isShown());
    clickTool("mnuIFind");
    EXPECT_TRUE(window->instrWindow().isShown()) << "the found steps are shown in the editor";
    auto* report = window->findChild<QWidget*>("frmFReport");
    ASSERT_NE(report, nullptr) << "the report belongs to a dialog that is kept";
    EXPECT_TRUE(report->isVisible());
    EXPECT_EQ(static_cast<FindReport*>(report)->steps(), (QList<int>{0, 1, 2, 3}));

    prompts.dialogDriver = [](QDialog& dialog) {
        EXPECT_TRUE(dialog.findChild<QCheckBox*>("ChkIns")->isChecked());
        EXPECT_EQ(dialog.findChild<QLineEdit*>("txtIns")->text(), u"ld"_s);
    };
    clickTool("mnuIFind");
    EXPECT_EQ(window->findChildren<FindDialog*>().size(), 1);

    // Its lines name steps of this program only: a cancelled New keeps it, a New closes it.
    prompts.dialogDriver = nullptr;
    prompts.saveChoices = {UserPrompts::SaveChoice::Discard, UserPrompts::SaveChoice::Discard};
    choose("mnuFNew");
    EXPECT_TRUE(report->isVisible());
    newProject();
    EXPECT_FALSE(report->isVisible());
}

TEST_F(ToolbarTest, ConvertButtonCompilesTheLadderAndShowsTheList)
{
    newProject();
    ProgramStore source;
    source.step(0) = Step{"LD", "X0", {}};
    source.step(1) = Step{"OUT", "Y30", {}};
    drawLadder(source, project.grid());
    project.program().step(5) = Step{"NOP", {}, "old"};
    choose("mnuIView");
    ASSERT_FALSE(window->instrWindow().isShown());

    clickTool("mnuLCnv");
    EXPECT_EQ(project.program().step(0), (Step{"LD", "X0", {}}));
    EXPECT_EQ(project.program().step(1), (Step{"OUT", "Y30", {}}));
    EXPECT_TRUE(project.program().step(5).isEmpty());
    EXPECT_TRUE(window->instrWindow().isShown());
    EXPECT_TRUE(menu("mnuIView")->isChecked());
}

TEST_F(ToolbarTest, HiddenDrawingItemAndClearWorkOnTheGrid)
{
    newProject();
    project.program().step(0) = Step{"LD", "X1", {}};
    project.program().step(1) = Step{"OUT", "Y31", {}};
    window->runCommand("mnuII2L");
    EXPECT_FALSE(project.grid().isClear());
    EXPECT_TRUE(project.isModified());
    choose("mnuLClear");
    EXPECT_TRUE(project.grid().isClear());
}

} // namespace
} // namespace ladrix::test
