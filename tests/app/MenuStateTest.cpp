#include "AppFixture.h"

#include "il/InstrEditor.h"

#include <QScrollBar>

namespace ladrix::test {
namespace {

using MenuStateTest = AppFixture;

const char* const kProjectItems[] = {
    "mnuIView",    "mnuLView",    "mnuFSave",    "mnuFSaveAs",  "mnuFImp",   "mnuFClose",
    "mnuFISaveAs", "mnuFLSaveAs", "mnuFOpenIns", "mnuFOpenLad", "mnuFPrint", "mnuIFirst",
    "mnuILast",    "mnuIClear",   "mnuIInsert",  "mnuIDelete",  "mnuIFind",  "mnuIOpen",
    "mnuISaveB",   "mnuLInsert",  "mnuLDelete",  "mnuLClear",   "mnuL2I",    "mnuTConn",
};
const char* const kProjectTools[] = {"mnuFSave",   "mnuFPrint",  "mnuIUp",   "mnuIDown",
                                     "mnuIInsert", "mnuIDelete", "mnuIFind", "mnuLInsert",
                                     "mnuLDelete", "mnuLCnv",    "mnuConn"};
const char* const kAlwaysOn[] = {"mnuFNew",  "mnuFOpen", "mnuFExit", "mnuTCommS",
                                 "mnuHHelp", "mnuHPro",  "mnuHAbout"};

TEST_F(MenuStateTest, WithoutProjectOnlyProjectFreeCommandsAreOffered)
{
    for (const char* name : kProjectItems)
        EXPECT_FALSE(menu(name)->isEnabled()) << name;
    for (const char* key : kProjectTools)
        EXPECT_FALSE(tool(key)->isEnabled()) << key;
    for (const char* name : kAlwaysOn)
        EXPECT_TRUE(menu(name)->isEnabled()) << name;
    EXPECT_TRUE(tool("mnuFNew")->isEnabled());
    EXPECT_TRUE(tool("mnuFOpen")->isEnabled());
    EXPECT_TRUE(tool("mnuHHelp")->isEnabled());
    EXPECT_FALSE(menu("mnuLTool")->isEnabled());
    EXPECT_FALSE(tool("mnuLTool")->isEnabled());
}

TEST_F(MenuStateTest, OpenProjectOffersProjectCommandsAndNamesTheWindow)
{
    newProject(QStringLiteral("pump"));
    for (const char* name : kProjectItems)
        EXPECT_TRUE(menu(name)->isEnabled()) << name;
    for (const char* key : kProjectTools)
        EXPECT_TRUE(tool(key)->isEnabled()) << key;
    // The palette belongs to the ladder window, which is not open.
    EXPECT_FALSE(menu("mnuLTool")->isEnabled());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("pump - Ladrix 2.0"));

    choose("mnuFClose");
    for (const char* name : kProjectItems)
        EXPECT_FALSE(menu(name)->isEnabled()) << name;
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Ladrix 2.0"));
}

TEST_F(MenuStateTest, BlockCommandsNeedBothMarks)
{
    newProject();
    const char* const blockItems[] = {"mnuICut", "mnuICopy", "mnuIPaste", "mnuIDel"};
    for (const char* name : blockItems)
        EXPECT_FALSE(menu(name)->isEnabled()) << name;

    project.program().curStep = 5;
    choose("mnuIFirst");
    EXPECT_TRUE(menu("mnuIFirst")->isChecked());
    EXPECT_FALSE(menu("mnuILast")->isChecked());
    for (const char* name : blockItems)
        EXPECT_FALSE(menu(name)->isEnabled()) << name;

    project.program().curStep = 7;
    choose("mnuILast");
    EXPECT_TRUE(menu("mnuILast")->isChecked());
    for (const char* name : blockItems)
        EXPECT_TRUE(menu(name)->isEnabled()) << name;
    for (const char* key : {"mnuICut", "mnuICopy", "mnuIPaste"})
        EXPECT_TRUE(tool(key)->isEnabled()) << key;

    choose("mnuIClear");
    EXPECT_FALSE(menu("mnuIFirst")->isChecked());
    EXPECT_FALSE(menu("mnuILast")->isChecked());
    EXPECT_FALSE(menu("mnuICopy")->isEnabled());
    EXPECT_FALSE(tool("mnuIPaste")->isEnabled());
}

TEST_F(MenuStateTest, QuietChangesReachTheMenusWithinHalfASecond)
{
    project.program().projectName = QStringLiteral("quiet");
    project.program().blockStart = 1;
    project.program().blockEnd = 3;
    EXPECT_FALSE(menu("mnuFSave")->isEnabled());
    QTest::qWait(600);
    EXPECT_TRUE(menu("mnuFSave")->isEnabled());
    EXPECT_TRUE(menu("mnuICut")->isEnabled());
    EXPECT_TRUE(menu("mnuILast")->isChecked());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("quiet - Ladrix 2.0"));
}

TEST_F(MenuStateTest, UnsavedChangesShowInTheTitle)
{
    newProject(QStringLiteral("line"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("line - Ladrix 2.0"));
    project.program().step(0).ins = QStringLiteral("END");
    project.notifyStepsChanged();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("line* - Ladrix 2.0"));
}

TEST_F(MenuStateTest, InstrWindowToggleFollowsTheWindow)
{
    newProject();
    // A new project shows the editor.
    EXPECT_TRUE(window->instrWindow().isShown());
    EXPECT_TRUE(menu("mnuIView")->isChecked());
    choose("mnuIView");
    EXPECT_FALSE(window->instrWindow().isShown());
    EXPECT_FALSE(menu("mnuIView")->isChecked());
    choose("mnuIView");
    EXPECT_TRUE(window->instrWindow().isShown());
    EXPECT_TRUE(menu("mnuIView")->isChecked());

    // Closing the editor by its frame only removes the check.
    window->instrWindow().editor().close();
    EXPECT_FALSE(menu("mnuIView")->isChecked());
    choose("mnuIView");
    EXPECT_TRUE(window->instrWindow().editor().isVisible());
}

TEST_F(MenuStateTest, EditorScrollsToTheModelsLastPage)
{
    newProject(QStringLiteral("big"), 1);
    EXPECT_EQ(window->instrWindow().editor().scrollBar()->maximum(), 1980);
    choose("mnuFClose");
    newProject(QStringLiteral("small"), 0);
    EXPECT_EQ(window->instrWindow().editor().scrollBar()->maximum(), 980);
}

TEST_F(MenuStateTest, LadderItemsNotYetBuiltSayHonestlySo)
{
    newProject();
    prompts.messages.clear();
    for (const char* name : {"mnuLView", "mnuTConn"}) {
        choose(name);
        ASSERT_FALSE(prompts.messages.isEmpty()) << name;
        EXPECT_TRUE(prompts.messages.last().text.contains(QStringLiteral("尚未提供"))) << name;
    }
    EXPECT_FALSE(menu("mnuLView")->isChecked());
}

} // namespace
} // namespace ladrix::test
