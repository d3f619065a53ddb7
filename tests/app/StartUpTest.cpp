#include "AppFixture.h"

#include "app/StartFile.h"
#include "app/StartWindow.h"
#include "files/ProjectFiles.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>

namespace ladrix::test {
namespace {

using StartUpTest = AppFixture;

TEST(CommandLinePathTest, QuotesAroundThePathAreRemovedAndBlanksKept)
{
    EXPECT_EQ(commandLinePath({}), QString());
    EXPECT_EQ(commandLinePath({"\"/tmp/my prog.lrp\""}), u"/tmp/my prog.lrp"_s);
    EXPECT_EQ(commandLinePath({"/tmp/my", "prog.lrp"}), u"/tmp/my prog.lrp"_s);
    EXPECT_EQ(commandLinePath({"plain.zk1"}), u"plain.zk1"_s);
    EXPECT_EQ(commandLinePath({"\""}), u"\""_s);
}

TEST(CommandLinePathTest, ExtensionDecidesOpenImportOrNothing)
{
    EXPECT_EQ(startFileKind("D:\\plc\\a.LRP"), StartFileKind::Project);
    EXPECT_EQ(startFileKind("/x/a.lrp"), StartFileKind::Project);
    EXPECT_EQ(startFileKind("/x/a.Zk1"), StartFileKind::Zk1);
    EXPECT_EQ(startFileKind("/x/a.ins"), StartFileKind::None);
    EXPECT_EQ(startFileKind("/x.lrp/noext"), StartFileKind::None);
    EXPECT_EQ(startFileKind(QString()), StartFileKind::None);
}

TEST_F(StartUpTest, ProjectNamedOnTheCommandLineOpens)
{
    ProgramStore store;
    LadderGrid grid;
    store.projectName = "ignored";
    store.plcType = 1;
    store.step(0) = Step{"LD", "X0", {}};
    const QString file = path("test run.lrp");
    ASSERT_TRUE(saveProject(file, store, grid).ok);
    project.program().blockStart = 4;

    window->startUp(file);
    EXPECT_EQ(project.program().projectName, u"testrun"_s);
    EXPECT_EQ(project.program().projectFile, file);
    EXPECT_EQ(project.program().plcType, 1);
    EXPECT_EQ(project.program().blockStart, -1);
    EXPECT_TRUE(window->instrWindow().isShown());
    EXPECT_EQ(window->windowTitle(), u"testrun - Ladrix 2.0"_s);
    EXPECT_TRUE(menu("mnuFSave")->isEnabled());
}

TEST_F(StartUpTest, Zk1NamedOnTheCommandLineIsImportedAsNewProject)
{
    window->startUp(writeFile("old.zk1", "LD\r\n400\r\nOUT\r\n050\r\nK\r\n100\r\nEND\r\n0\r\n"));
    EXPECT_EQ(project.program().projectName, u"新工程"_s);
    EXPECT_EQ(project.program().step(0).data, u"X400"_s);
    EXPECT_EQ(project.program().step(1).data, u"T050"_s);
    EXPECT_TRUE(project.program().step(3).data.isEmpty());
    EXPECT_TRUE(window->instrWindow().isShown());

    // The project has no file of its own yet: saving asks, starting in the import's folder.
    prompts.saveAnswers = {path("old.lrp")};
    choose("mnuFSave");
    ASSERT_EQ(prompts.saveAsked.size(), 1);
    EXPECT_EQ(prompts.saveAsked[0].proposed, QDir(dir.path()).filePath("新工程"));
    EXPECT_TRUE(QFile::exists(path("old.lrp")));
}

TEST_F(StartUpTest, OtherExtensionsAndMissingFilesOpenNothing)
{
    window->startUp(path("notes.txt"));
    EXPECT_FALSE(project.isOpen());
    EXPECT_TRUE(prompts.messages.isEmpty());

    window->startUp(path("gone.lrp"));
    EXPECT_FALSE(project.isOpen());
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].title, u"错误 53"_s);

    window->startUp(path("gone.zk1"));
    EXPECT_FALSE(project.isOpen());
    EXPECT_TRUE(project.program().projectFile.isEmpty());
    EXPECT_EQ(window->windowTitle(), u"Ladrix 2.0"_s);
}

TEST(StartWindowTest, CentresShowsTheMainWindowAndClosesAfterOneSecond)
{
    QWidget mainWindow;
    auto* start = new StartWindow(mainWindow);
    QPointer<StartWindow> guard(start);
    start->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(start));
    EXPECT_EQ(start->objectName(), u"frmStart"_s);
    EXPECT_TRUE(mainWindow.isVisible());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_LE(std::abs(start->geometry().center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(start->geometry().center().y() - screen.center().y()), 1);

    QTest::qWait(700);
    EXPECT_FALSE(guard.isNull());
    EXPECT_TRUE(QTest::qWaitFor([&] { return guard.isNull(); }, 1000));
    EXPECT_TRUE(mainWindow.isVisible());
}

} // namespace
} // namespace ladrix::test
