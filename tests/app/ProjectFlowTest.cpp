#include "AppFixture.h"

#include "files/ProjectFiles.h"
#include "il/InstrEditor.h"

#include <QFile>
#include <QSignalSpy>

namespace ladrix::test {
namespace {

using ProjectFlowTest = AppFixture;
using Choice = UserPrompts::SaveChoice;

QLineEdit* row(MainWindow& window, int r)
{
    return window.instrWindow().editor().findChild<QLineEdit*>(QStringLiteral("txtIns_%1").arg(r));
}

// Types a line into an editor row and leaves it, as a user does.
void typeRow(MainWindow& window, int r, const QString& text)
{
    // A modal dialog that just closed hands the activation back only when asked.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QLineEdit* edit = row(window, r);
    QTest::mouseClick(edit, Qt::LeftButton);
    QCoreApplication::processEvents();
    ASSERT_TRUE(edit->hasFocus());
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    QTest::mouseClick(row(window, r + 1), Qt::LeftButton);
    QCoreApplication::processEvents();
}

int lineCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return int(file.readAll().count("\r\n"));
}

TEST_F(ProjectFlowTest, NewProjectDialogDrivenByClicksCreatesTheProject)
{
    project.program().step(3).ins = QStringLiteral("LD");
    project.grid().cell(0).type = kCoil;
    project.program().blockStart = 2;
    newProject(QStringLiteral("conveyor"), 1);

    EXPECT_EQ(prompts.dialogsRun, QStringList{"frmNew"});
    EXPECT_EQ(project.program().projectName, QStringLiteral("conveyor"));
    EXPECT_EQ(project.program().plcType, 1);
    EXPECT_EQ(project.program().maxStep(), 1999);
    EXPECT_TRUE(project.program().step(3).isEmpty());
    EXPECT_TRUE(project.grid().isClear());
    EXPECT_EQ(project.program().blockStart, -1);
    EXPECT_TRUE(project.program().projectFile.isEmpty());
    EXPECT_FALSE(project.isModified());
    EXPECT_TRUE(window->instrWindow().isShown());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("conveyor - Ladrix 2.0"));
}

TEST_F(ProjectFlowTest, CancelledNewProjectLeavesTheOpenProjectAlone)
{
    newProject(QStringLiteral("kept"), 1);
    typeRow(*window, 0, QStringLiteral("ld x0"));
    project.markSaved();
    prompts.dialogDriver = [](QDialog& dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("CancelButton")),
                          Qt::LeftButton);
    };
    choose("mnuFNew");
    EXPECT_EQ(project.program().projectName, QStringLiteral("kept"));
    EXPECT_EQ(project.program().plcType, 1);
    EXPECT_EQ(project.program().step(0).ins, QStringLiteral("LD"));
}

TEST_F(ProjectFlowTest, EditedProjectSavedAndReopenedFromTheWindow)
{
    newProject(QStringLiteral("press"), 1);
    typeRow(*window, 0, QStringLiteral("ld x0"));
    typeRow(*window, 1, QStringLiteral("out y30"));
    typeRow(*window, 2, QStringLiteral("end"));
    EXPECT_TRUE(project.isModified());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("press* - Ladrix 2.0"));

    prompts.saveAnswers = {path(QStringLiteral("press run.lrp"))};
    choose("mnuFSave");
    ASSERT_EQ(prompts.saveAsked.size(), 1);
    EXPECT_EQ(prompts.saveAsked[0].title, QStringLiteral("保存工程"));
    EXPECT_EQ(prompts.saveAsked[0].filter, QStringLiteral("LADRX Project File (*.lrp)"));
    EXPECT_EQ(prompts.saveAsked[0].proposed, QStringLiteral("press"));
    EXPECT_EQ(project.program().projectName, QStringLiteral("pressrun"));
    EXPECT_EQ(project.program().projectFile, path(QStringLiteral("press run.lrp")));
    EXPECT_FALSE(project.isModified());
    EXPECT_EQ(lineCount(path(QStringLiteral("press run.lrp"))), 54007);

    choose("mnuFClose");
    EXPECT_TRUE(prompts.saveQuestions.isEmpty());
    EXPECT_FALSE(project.isOpen());
    EXPECT_TRUE(project.program().step(0).isEmpty());
    EXPECT_FALSE(window->instrWindow().isShown());

    prompts.openAnswers = {path(QStringLiteral("press run.lrp"))};
    choose("mnuFOpen");
    ASSERT_EQ(prompts.openAsked.size(), 1);
    EXPECT_EQ(prompts.openAsked[0].title, QStringLiteral("打开工程"));
    EXPECT_EQ(prompts.openAsked[0].filter, QStringLiteral("LADRX 工程文件 (*.lrp)"));
    EXPECT_EQ(project.program().step(1).ins, QStringLiteral("OUT"));
    EXPECT_EQ(project.program().step(1).data, QStringLiteral("Y30"));
    EXPECT_EQ(project.program().plcType, 1);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("pressrun - Ladrix 2.0"));
    EXPECT_TRUE(window->instrWindow().isShown());
    EXPECT_EQ(row(*window, 1)->text().simplified(), QStringLiteral("OUT Y30"));

    // A second save goes to the same file without a dialog.
    typeRow(*window, 3, QStringLiteral("nop"));
    choose("mnuFSave");
    EXPECT_EQ(prompts.saveAsked.size(), 1);
    EXPECT_FALSE(project.isModified());
}

TEST_F(ProjectFlowTest, CancelledFileDialogsChangeNothing)
{
    newProject(QStringLiteral("same"));
    typeRow(*window, 0, QStringLiteral("ld x1"));
    const ProgramStore before = project.program();
    for (const char* name : {"mnuFSaveAs", "mnuFISaveAs", "mnuFLSaveAs", "mnuFOpenIns",
                             "mnuFOpenLad", "mnuIOpen", "mnuISaveB"})
        choose(name);
    EXPECT_EQ(project.program().step(0), before.step(0));
    EXPECT_EQ(project.program().projectName, QStringLiteral("same"));
    EXPECT_TRUE(project.program().projectFile.isEmpty());
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(prompts.saveAsked.size(), 4);
    EXPECT_EQ(prompts.openAsked.size(), 3);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(ProjectFlowTest, FailedOpenIsReportedAndKeepsTheProject)
{
    newProject(QStringLiteral("safe"));
    typeRow(*window, 0, QStringLiteral("ld x2"));
    project.markSaved();
    prompts.openAnswers = {path(QStringLiteral("missing.lrp"))};
    choose("mnuFOpen");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].title, QStringLiteral("错误 53"));
    EXPECT_FALSE(prompts.messages[0].text.isEmpty());
    EXPECT_EQ(project.program().projectName, QStringLiteral("safe"));
    EXPECT_EQ(project.program().step(0).data, QStringLiteral("X2"));
}

TEST_F(ProjectFlowTest, FailedSaveIsReportedAndTheChangesStayUnsaved)
{
    newProject(QStringLiteral("disk"));
    typeRow(*window, 0, QStringLiteral("ld x3"));
    prompts.saveAnswers = {path(QStringLiteral("no/such/folder/disk.lrp"))};
    choose("mnuFSave");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(prompts.messages[0].title.startsWith(QStringLiteral("错误 ")));
    EXPECT_TRUE(project.isModified());
    EXPECT_EQ(project.program().projectName, QStringLiteral("disk"));
    EXPECT_TRUE(project.program().projectFile.isEmpty());
}

TEST_F(ProjectFlowTest, TruncatedProjectIsWarnedAboutAndLeftUnsaved)
{
    QFile file(path(QStringLiteral("short.lrp")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("short\r\n 1 \r\nLD\r\nX0\r\n");
    file.close();
    prompts.openAnswers = {file.fileName()};
    choose("mnuFOpen");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(prompts.messages[0].text.contains(QStringLiteral("short.lrp")));
    EXPECT_EQ(project.program().step(0).ins, QStringLiteral("LD"));
    EXPECT_TRUE(project.isModified());
}

TEST_F(ProjectFlowTest, UnsavedChangesQuestionSaveDiscardCancel)
{
    newProject(QStringLiteral("ask"));
    typeRow(*window, 0, QStringLiteral("ld x4"));

    prompts.saveChoices = {Choice::Cancel};
    choose("mnuFClose");
    EXPECT_EQ(prompts.saveQuestions, QStringList{"ask"});
    EXPECT_TRUE(project.isOpen());
    EXPECT_EQ(project.program().step(0).data, QStringLiteral("X4"));

    prompts.saveChoices = {Choice::Save};
    prompts.saveAnswers = {path(QStringLiteral("ask.lrp"))};
    choose("mnuFClose");
    EXPECT_FALSE(project.isOpen());
    EXPECT_EQ(lineCount(path(QStringLiteral("ask.lrp"))), 54007);

    prompts.openAnswers = {path(QStringLiteral("ask.lrp"))};
    choose("mnuFOpen");
    typeRow(*window, 1, QStringLiteral("out y31"));
    prompts.saveChoices = {Choice::Discard};
    prompts.openAnswers = {path(QStringLiteral("ask.lrp"))};
    choose("mnuFOpen");
    EXPECT_TRUE(project.program().step(1).isEmpty());
    EXPECT_EQ(prompts.saveQuestions.size(), 3);
}

TEST_F(ProjectFlowTest, SaveChosenButCancelledStopsTheCommand)
{
    newProject(QStringLiteral("stay"));
    typeRow(*window, 0, QStringLiteral("ld x5"));
    prompts.saveChoices = {Choice::Save};
    answerNewProject(QStringLiteral("other"), 0);
    choose("mnuFNew");
    EXPECT_TRUE(prompts.dialogsRun.size() == 1) << "frmNew must not open after a cancelled save";
    EXPECT_EQ(project.program().projectName, QStringLiteral("stay"));
    EXPECT_EQ(project.program().step(0).data, QStringLiteral("X5"));
}

TEST_F(ProjectFlowTest, ClosingTheWindowAsksToExitThenAboutChanges)
{
    prompts.exitAnswer = false;
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompts.exitAsked, 1);
    EXPECT_TRUE(window->isVisible());

    newProject(QStringLiteral("quit"));
    typeRow(*window, 0, QStringLiteral("ld x6"));
    prompts.exitAnswer = true;
    prompts.saveChoices = {Choice::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompts.exitAsked, 2);
    EXPECT_EQ(prompts.saveQuestions, QStringList{"quit"});

    prompts.saveChoices = {Choice::Discard};
    EXPECT_TRUE(window->close());
}

TEST_F(ProjectFlowTest, ExitItemEndsWithoutTheExitQuestion)
{
    newProject(QStringLiteral("done"));
    QSignalSpy exited(window.get(), &MainWindow::exited);
    choose("mnuFExit");
    EXPECT_EQ(prompts.exitAsked, 0);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(exited.count(), 1);
}

TEST_F(ProjectFlowTest, RowBeingTypedIsPartOfTheExitQuestion)
{
    newProject(QStringLiteral("typing"));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QLineEdit* edit = row(*window, 0);
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClicks(edit, QStringLiteral("ld x0"));
    prompts.saveChoices = {Choice::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompts.saveQuestions, QStringList{"typing"});
    EXPECT_EQ(project.program().step(0).data, QStringLiteral("X0"));
}

TEST_F(ProjectFlowTest, Zk1ImportFromTheMenuAsksFirstAndNamesTheProjectAfterTheFile)
{
    QFile zk1(path(QStringLiteral("legacy prog.zk1")));
    ASSERT_TRUE(zk1.open(QIODevice::WriteOnly));
    zk1.write("LD\r\n27\r\nOUT\r\n675\r\n");
    zk1.close();
    newProject(QStringLiteral("before"));
    typeRow(*window, 5, QStringLiteral("nop"));

    prompts.saveChoices = {Choice::Discard};
    prompts.openAnswers = {zk1.fileName()};
    choose("mnuFImp");
    EXPECT_EQ(prompts.saveQuestions, QStringList{"before"});
    ASSERT_EQ(prompts.openAsked.size(), 1);
    EXPECT_EQ(prompts.openAsked[0].filter, QStringLiteral("ZK1 Program File (*.zk1)"));
    EXPECT_EQ(project.program().projectName, QStringLiteral("legacyprog"));
    EXPECT_EQ(project.program().step(0).data, QStringLiteral("X27"));
    EXPECT_EQ(project.program().step(1).data, QStringLiteral("F675"));
    EXPECT_TRUE(project.program().step(5).isEmpty());
    // The imported program is in no project file yet.
    EXPECT_TRUE(project.isModified());
}

TEST_F(ProjectFlowTest, InstructionListAndLadderFilesGoThroughTheirDialogs)
{
    newProject(QStringLiteral("halves"));
    typeRow(*window, 0, QStringLiteral("ld x7 'first"));
    project.grid().cell(5).type = kContact;
    prompts.saveAnswers = {path(QStringLiteral("a.ins")), path(QStringLiteral("a.lad"))};
    choose("mnuFISaveAs");
    choose("mnuFLSaveAs");
    EXPECT_EQ(prompts.saveAsked[0].title, QStringLiteral("保存指令表"));
    EXPECT_EQ(prompts.saveAsked[0].filter, QStringLiteral("LADRX 指令表文件 (*.ins)"));
    EXPECT_EQ(prompts.saveAsked[1].title, QStringLiteral("保存梯形图"));
    EXPECT_EQ(prompts.saveAsked[1].filter, QStringLiteral("LADRX 梯形图文件 (*.lad)"));
    EXPECT_EQ(lineCount(path(QStringLiteral("a.ins"))), 4000);
    EXPECT_EQ(lineCount(path(QStringLiteral("a.lad"))), 50005);

    choose("mnuLClear");
    EXPECT_TRUE(project.grid().isClear());
    project.program().step(0) = Step{QStringLiteral("NOP"), {}, QStringLiteral("first")};
    prompts.openAnswers = {path(QStringLiteral("a.ins")), path(QStringLiteral("a.lad"))};
    choose("mnuFOpenIns");
    choose("mnuFOpenLad");
    EXPECT_EQ(prompts.openAsked[0].title, QStringLiteral("导入指令表"));
    EXPECT_EQ(prompts.openAsked[1].title, QStringLiteral("导入梯形图"));
    EXPECT_EQ(project.program().step(0),
              (Step{QStringLiteral("LD"), QStringLiteral("X7"), QStringLiteral("first")}));
    EXPECT_EQ(project.grid().cell(5).type, kContact);
    EXPECT_EQ(project.program().projectName, QStringLiteral("halves"));
}

TEST_F(ProjectFlowTest, BlockSavedAndInsertedAtTheCurrentStep)
{
    newProject(QStringLiteral("blocks"));
    for (int i = 0; i < 15; ++i)
        project.program().step(i) = Step{QStringLiteral("LD"), QStringLiteral("X%1").arg(i), {}};
    project.notifyStepsChanged();
    project.program().curStep = 10;
    choose("mnuIFirst");
    project.program().curStep = 12;
    choose("mnuILast");
    prompts.saveAnswers = {path(QStringLiteral("block.ins"))};
    choose("mnuISaveB");
    EXPECT_EQ(prompts.saveAsked.last().title, QStringLiteral("编辑块另存为"));
    EXPECT_EQ(lineCount(path(QStringLiteral("block.ins"))), 6);

    project.program().curStep = 3;
    prompts.openAnswers = {path(QStringLiteral("block.ins"))};
    choose("mnuIOpen");
    EXPECT_EQ(prompts.openAsked.last().title, QStringLiteral("导入指令表"));
    EXPECT_EQ(project.program().step(3).data, QStringLiteral("X10"));
    EXPECT_EQ(project.program().step(5).data, QStringLiteral("X12"));
    EXPECT_EQ(project.program().step(6).data, QStringLiteral("X3"));
    EXPECT_EQ(project.program().step(17).data, QStringLiteral("X14"));
}

} // namespace
} // namespace ladrix::test
