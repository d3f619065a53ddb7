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
    EXPECT_EQ(commandLinePath({QStringLiteral("\"/tmp/my prog.lrp\"")}),
              QStringLiteral("/tmp/my prog.lrp"));
    EXPECT_EQ(commandLinePath({QStringLiteral("/tmp/my"), QStringLiteral("prog.lrp")}),
              QStringLiteral("/tmp/my prog.lrp"));
    EXPECT_EQ(commandLinePath({QStringLiteral("plain.zk1")}), QStringLiteral("plain.zk1"));
    EXPECT_EQ(commandLinePath({QStringLiteral("\"")}), QStringLiteral("\""));
}

TEST(CommandLinePathTest, ExtensionDecidesOpenImportOrNothing)
{
    EXPECT_EQ(startFileKind(QStringLiteral("D:\\plc\\a.LRP")), StartFileKind::Project);
    EXPECT_EQ(startFileKind(QStringLiteral("/x/a.lrp")), StartFileKind::Project);
    EXPECT_EQ(startFileKind(QStringLiteral("/x/a.Zk1")), StartFileKind::Zk1);
    EXPECT_EQ(startFileKind(QStringLiteral("/x/a.ins")), StartFileKind::None);
    EXPECT_EQ(startFileKind(QStringLiteral("/x.lrp/noext")), StartFileKind::None);
    EXPECT_EQ(startFileKind(QString()), StartFileKind::None);
}

TEST_F(StartUpTest, ProjectNamedOnTheCommandLineOpens)
{
    ProgramStore store;
    LadderGrid grid;
    store.projectName = QStringLiteral("ignored");
    store.plcType = 1;
    store.step(0) = Step{QStringLiteral("LD"), QStringLiteral("X0"), {}};
    const QString file = path(QStringLiteral("test run.lrp"));
    ASSERT_TRUE(saveProject(file, store, grid).ok);
    project.program().blockStart = 4;

    window->startUp(file);
    EXPECT_EQ(project.program().projectName, QStringLiteral("testrun"));
    EXPECT_EQ(project.program().projectFile, file);
    EXPECT_EQ(project.program().plcType, 1);
    EXPECT_EQ(project.program().blockStart, -1);
    EXPECT_TRUE(window->instrWindow().isShown());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("testrun - Ladrix 2.0"));
    EXPECT_TRUE(menu("mnuFSave")->isEnabled());
}

TEST_F(StartUpTest, Zk1NamedOnTheCommandLineIsImportedAsNewProject)
{
    QFile zk1(path(QStringLiteral("old.zk1")));
    ASSERT_TRUE(zk1.open(QIODevice::WriteOnly));
    zk1.write("LD\r\n400\r\nOUT\r\n050\r\nK\r\n100\r\nEND\r\n0\r\n");
    zk1.close();

    window->startUp(zk1.fileName());
    EXPECT_EQ(project.program().projectName, QStringLiteral("新工程"));
    EXPECT_EQ(project.program().step(0).data, QStringLiteral("X400"));
    EXPECT_EQ(project.program().step(1).data, QStringLiteral("T050"));
    EXPECT_TRUE(project.program().step(3).data.isEmpty());
    EXPECT_TRUE(window->instrWindow().isShown());

    // The project has no file of its own yet: saving asks, starting in the import's folder.
    prompts.saveAnswers = {path(QStringLiteral("old.lrp"))};
    choose("mnuFSave");
    ASSERT_EQ(prompts.saveAsked.size(), 1);
    EXPECT_EQ(prompts.saveAsked[0].proposed, QDir(dir.path()).filePath(QStringLiteral("新工程")));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("old.lrp"))));
}

TEST_F(StartUpTest, OtherExtensionsAndMissingFilesOpenNothing)
{
    window->startUp(path(QStringLiteral("notes.txt")));
    EXPECT_FALSE(project.isOpen());
    EXPECT_TRUE(prompts.messages.isEmpty());

    window->startUp(path(QStringLiteral("gone.lrp")));
    EXPECT_FALSE(project.isOpen());
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].title, QStringLiteral("错误 53"));

    window->startUp(path(QStringLiteral("gone.zk1")));
    EXPECT_FALSE(project.isOpen());
    EXPECT_TRUE(project.program().projectFile.isEmpty());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Ladrix 2.0"));
}

TEST(StartWindowTest, CentresShowsTheMainWindowAndClosesAfterOneSecond)
{
    QWidget mainWindow;
    auto* start = new StartWindow(mainWindow);
    QPointer<StartWindow> guard(start);
    start->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(start));
    EXPECT_EQ(start->objectName(), QStringLiteral("frmStart"));
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
