#include "AppFixture.h"

#include "il/FindDialog.h"
#include "il/FindReport.h"
#include "ladder/LadderDrawer.h"

#include <QCheckBox>
#include <QLineEdit>

namespace ladrix::test {
namespace {

using ToolbarTest = AppFixture;

void fillSteps(Project& project, int count)
{
    for (int i = 0; i < count; ++i)
        project.program().step(i) =
            Step{QStringLiteral("LD"), QStringLiteral("M%1").arg(100 + i), {}};
    project.notifyStepsChanged();
}

TEST_F(ToolbarTest, MarkButtonsAndCutRunTheBlockCommands)
{
    newProject();
    fillSteps(project, 30);
    project.program().curStep = 5;
    clickTool("mnuIUp");
    project.program().curStep = 7;
    clickTool("mnuIDown");
    EXPECT_EQ(project.program().blockStart, 5);
    EXPECT_EQ(project.program().blockEnd, 7);
    EXPECT_TRUE(menu("mnuIFirst")->isChecked());
    EXPECT_TRUE(tool("mnuICut")->isEnabled());

    clickTool("mnuICut");
    EXPECT_EQ(project.program().step(5).data, QStringLiteral("M108"));
    EXPECT_EQ(project.program().step(26).data, QStringLiteral("M129"));
    EXPECT_TRUE(project.program().step(27).isEmpty());
    EXPECT_EQ(project.program().blockStart, -1);
    EXPECT_EQ(project.program().blockEnd, -1);
    EXPECT_FALSE(tool("mnuIPaste")->isEnabled());
    EXPECT_TRUE(project.isModified());
}

TEST_F(ToolbarTest, InsertAndDeleteButtonsReachTheEditor)
{
    newProject();
    fillSteps(project, 3);
    project.program().curStep = 1;
    clickTool("mnuIInsert");
    EXPECT_TRUE(project.program().step(1).isEmpty());
    clickTool("mnuIDelete");
    EXPECT_EQ(project.program().step(1).data, QStringLiteral("M101"));
}

TEST_F(ToolbarTest, DisabledButtonsDoNothing)
{
    project.program().step(0).ins = QStringLiteral("LD");
    project.program().curStep = 0;
    clickTool("mnuIInsert");
    clickTool("mnuFSave");
    EXPECT_EQ(project.program().step(0).ins, QStringLiteral("LD"));
    EXPECT_TRUE(prompts.saveAsked.isEmpty());
}

TEST_F(ToolbarTest, FindButtonOpensTheFindDialog)
{
    newProject();
    clickTool("mnuIFind");
    EXPECT_EQ(prompts.dialogsRun, (QStringList{"frmNew", "frmFind"}));
}

TEST_F(ToolbarTest, FindReportOutlivesTheDialogAndTheCriteriaAreKept)
{
    newProject();
    fillSteps(project, 4);
    prompts.dialogDriver = [](QDialog& dialog) {
        dialog.findChild<QCheckBox*>(QStringLiteral("ChkIns"))->setChecked(true);
        dialog.findChild<QLineEdit*>(QStringLiteral("txtIns"))->setText(QStringLiteral("ld"));
        static_cast<FindDialog&>(dialog).find();
    };
    clickTool("mnuIFind");
    auto* report = window->findChild<QWidget*>(QStringLiteral("frmFReport"));
    ASSERT_NE(report, nullptr) << "the report belongs to a dialog that is kept";
    EXPECT_TRUE(report->isVisible());
    EXPECT_EQ(static_cast<FindReport*>(report)->steps(), (QList<int>{0, 1, 2, 3}));

    prompts.dialogDriver = [](QDialog& dialog) {
        EXPECT_TRUE(dialog.findChild<QCheckBox*>(QStringLiteral("ChkIns"))->isChecked());
        EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("txtIns"))->text(),
                  QStringLiteral("ld"));
    };
    clickTool("mnuIFind");
    EXPECT_EQ(window->findChildren<FindDialog*>().size(), 1);
}

TEST_F(ToolbarTest, NewAndOpenButtonsRunTheirCommands)
{
    answerNewProject(QStringLiteral("tb"), 1);
    clickTool("mnuFNew");
    EXPECT_EQ(project.program().projectName, QStringLiteral("tb"));
    clickTool("mnuFOpen");
    ASSERT_EQ(prompts.openAsked.size(), 1);
    EXPECT_EQ(prompts.openAsked[0].title, QStringLiteral("打开工程"));
}

TEST_F(ToolbarTest, ConvertButtonCompilesTheLadderAndShowsTheList)
{
    newProject();
    ProgramStore source;
    source.step(0) = Step{QStringLiteral("LD"), QStringLiteral("X0"), {}};
    source.step(1) = Step{QStringLiteral("OUT"), QStringLiteral("Y30"), {}};
    drawLadder(source, project.grid());
    project.program().step(5) = Step{QStringLiteral("NOP"), {}, QStringLiteral("old")};
    choose("mnuIView");
    ASSERT_FALSE(window->instrWindow().isShown());

    clickTool("mnuLCnv");
    EXPECT_EQ(project.program().step(0), (Step{QStringLiteral("LD"), QStringLiteral("X0"), {}}));
    EXPECT_EQ(project.program().step(1), (Step{QStringLiteral("OUT"), QStringLiteral("Y30"), {}}));
    EXPECT_TRUE(project.program().step(5).isEmpty());
    EXPECT_TRUE(window->instrWindow().isShown());
    EXPECT_TRUE(menu("mnuIView")->isChecked());
}

TEST_F(ToolbarTest, HiddenDrawingItemAndClearWorkOnTheGrid)
{
    newProject();
    project.program().step(0) = Step{QStringLiteral("LD"), QStringLiteral("X1"), {}};
    project.program().step(1) = Step{QStringLiteral("OUT"), QStringLiteral("Y31"), {}};
    window->runCommand(QStringLiteral("mnuII2L"));
    EXPECT_FALSE(project.grid().isClear());
    EXPECT_TRUE(project.isModified());
    choose("mnuLClear");
    EXPECT_TRUE(project.grid().isClear());
}

} // namespace
} // namespace ladrix::test
