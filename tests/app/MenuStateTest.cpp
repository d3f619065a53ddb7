#include "AppFixture.h"

#include "il/InstrEditor.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>

namespace ladrix::test {
namespace {

class MenuStateTest : public AppFixture {
protected:
    // Every command that needs an open project, in the menus and on the toolbar.
    void expectProjectCommands(bool on)
    {
        for (const char* name :
             {"mnuIView",   "mnuLView",    "mnuFSave",    "mnuFSaveAs",  "mnuFImp",
              "mnuFClose",  "mnuFISaveAs", "mnuFLSaveAs", "mnuFOpenIns", "mnuFOpenLad",
              "mnuFPrint",  "mnuIFirst",   "mnuILast",    "mnuIClear",   "mnuIInsert",
              "mnuIDelete", "mnuIFind",    "mnuIOpen",    "mnuISaveB",   "mnuLInsert",
              "mnuLDelete", "mnuLClear",   "mnuL2I",      "mnuTConn",    "mnuTPA"})
            EXPECT_EQ(menu(name)->isEnabled(), on) << name;
        for (const char* key :
             {"mnuFSave", "mnuFPrint", "mnuIUp", "mnuIDown", "mnuIInsert", "mnuIDelete", "mnuIFind",
              "mnuLInsert", "mnuLDelete", "mnuLCnv", "mnuConn"})
            EXPECT_EQ(tool(key)->isEnabled(), on) << key;
        // The palette is offered exactly while the ladder window is open.
        const bool ladder = on && window->ladderWindow().isShown();
        EXPECT_EQ(menu("mnuLTool")->isEnabled(), ladder);
        EXPECT_EQ(tool("mnuLTool")->isEnabled(), ladder);
    }
    void expectBlockCommands(bool on)
    {
        for (const char* name : {"mnuICut", "mnuICopy", "mnuIPaste", "mnuIDel"})
            EXPECT_EQ(menu(name)->isEnabled(), on) << name;
        for (const char* key : {"mnuICut", "mnuICopy", "mnuIPaste"})
            EXPECT_EQ(tool(key)->isEnabled(), on) << key;
    }
    void expectEditorShown(bool shown)
    {
        EXPECT_EQ(window->instrWindow().isShown(), shown);
        EXPECT_EQ(menu("mnuIView")->isChecked(), shown);
    }
};

TEST_F(MenuStateTest, ProjectCommandsAreOfferedOnlyWhileAProjectIsOpen)
{
    expectProjectCommands(false);
    for (const char* name :
         {"mnuFNew", "mnuFOpen", "mnuFExit", "mnuTCommS", "mnuHHelp", "mnuHPro", "mnuHAbout"})
        EXPECT_TRUE(menu(name)->isEnabled()) << name;
    for (const char* key : {"mnuFNew", "mnuFOpen", "mnuHHelp"})
        EXPECT_TRUE(tool(key)->isEnabled()) << key;

    newProject("pump");
    expectProjectCommands(true);
    EXPECT_EQ(window->windowTitle(), u"pump - Ladrix 2.0"_s);

    choose("mnuFClose");
    expectProjectCommands(false);
    EXPECT_EQ(window->windowTitle(), u"Ladrix 2.0"_s);
}

TEST_F(MenuStateTest, BlockCommandsNeedBothMarksSetByButtonOrItem)
{
    newProject();
    expectBlockCommands(false);
    project.program().curStep = 5;
    clickTool("mnuIUp");
    EXPECT_TRUE(menu("mnuIFirst")->isChecked());
    EXPECT_FALSE(menu("mnuILast")->isChecked());
    expectBlockCommands(false);

    project.program().curStep = 7;
    choose("mnuILast");
    EXPECT_TRUE(menu("mnuILast")->isChecked());
    EXPECT_EQ(project.program().blockStart, 5);
    EXPECT_EQ(project.program().blockEnd, 7);
    expectBlockCommands(true);

    choose("mnuIClear");
    EXPECT_FALSE(menu("mnuIFirst")->isChecked());
    EXPECT_FALSE(menu("mnuILast")->isChecked());
    expectBlockCommands(false);
}

TEST_F(MenuStateTest, QuietChangesReachTheMenusWithinHalfASecond)
{
    project.program().projectName = "quiet";
    project.program().blockStart = 1;
    project.program().blockEnd = 3;
    EXPECT_FALSE(menu("mnuFSave")->isEnabled());
    QTest::qWait(600);
    EXPECT_TRUE(menu("mnuFSave")->isEnabled());
    EXPECT_TRUE(menu("mnuICut")->isEnabled());
    EXPECT_TRUE(menu("mnuILast")->isChecked());
    EXPECT_EQ(window->windowTitle(), u"quiet - Ladrix 2.0"_s);
}

TEST_F(MenuStateTest, InstrWindowToggleFollowsTheWindow)
{
    newProject();
    expectEditorShown(true); // a new project shows the editor
    choose("mnuIView");
    expectEditorShown(false);
    choose("mnuIView");
    expectEditorShown(true);

    // Closing the editor by its frame only removes the check, and keeps a row being typed.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* row = window->instrWindow().editor().findChild<QLineEdit*>("txtIns_0");
    QTest::mouseClick(row, Qt::LeftButton);
    QTest::keyClicks(row, "ld x5");
    QWidget* frame = window->instrWindow().editor().parentWidget();
    ASSERT_TRUE(window->mdiArea()->subWindowList().contains(frame));
    frame->close();
    EXPECT_FALSE(menu("mnuIView")->isChecked());
    EXPECT_EQ(project.program().step(0), (Step{"LD", "X5", {}}));
    choose("mnuIView");
    EXPECT_TRUE(window->instrWindow().editor().isVisible());

    // The editor keeps its size, so a main window made smaller scrolls to reach all of it.
    window->resize(420, 300);
    QTest::qWait(50);
    EXPECT_TRUE(window->mdiArea()->verticalScrollBar()->isVisible());
    EXPECT_TRUE(window->mdiArea()->horizontalScrollBar()->isVisible());
}

TEST_F(MenuStateTest, EditorScrollsToTheModelsLastPage)
{
    newProject("big", 1);
    EXPECT_EQ(window->instrWindow().editor().scrollBar()->maximum(), 1980);
    choose("mnuFClose");
    newProject("small", 0);
    EXPECT_EQ(window->instrWindow().editor().scrollBar()->maximum(), 980);
}

} // namespace
} // namespace ladrix::test
