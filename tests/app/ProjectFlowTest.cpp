#include "AppFixture.h"

#include "files/ProjectFiles.h"
#include "il/InstrEditor.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>

namespace ladrix::test {
namespace {

using Choice = UserPrompts::SaveChoice;

class ProjectFlowTest : public AppFixture {
protected:
    QLineEdit* row(int r) const
    {
        return window->instrWindow().editor().findChild<QLineEdit*>(QString("txtIns_%1").arg(r));
    }
    // Types a line into an editor row as a user does, and leaves the row unless told not to.
    void typeRow(int r, const QString& text, bool leave = true)
    {
        // A modal dialog that just closed hands the activation back only when asked.
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::mouseClick(row(r), Qt::LeftButton);
        QCoreApplication::processEvents();
        ASSERT_TRUE(row(r)->hasFocus());
        QTest::keyClick(row(r), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(row(r), Qt::Key_Delete);
        QTest::keyClicks(row(r), text);
        if (leave)
            QTest::mouseClick(row(r + 1), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    // A new project with a line typed into its first row, so it has unsaved changes.
    void editedProject(const QString& name, const QString& line, int model = 0)
    {
        newProject(name, model);
        typeRow(0, line);
    }
    // The lines of a CR LF file, without their line ends.
    QList<QByteArray> crlfLines(const QString& name) const
    {
        QFile file(path(name));
        QList<QByteArray> lines =
            (file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray()).split('\n');
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        for (QByteArray& line : lines)
            line.chop(line.endsWith('\r') ? 1 : 0);
        return lines;
    }
    int lineCount(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? int(file.readAll().count("\r\n")) : -1;
    }
};

TEST_F(ProjectFlowTest, NewProjectDialogDrivenByClicksCreatesTheProject)
{
    project.program().step(3).ins = "LD";
    project.grid().cell(0).type = kCoil;
    project.program().blockStart = 2;
    newProject("conveyor", 1);

    EXPECT_EQ(prompts.dialogsRun, QStringList{"frmNew"});
    EXPECT_EQ(project.program().projectName, u"conveyor"_s);
    EXPECT_EQ(project.program().plcType, 1);
    EXPECT_EQ(project.program().maxStep(), 1999);
    EXPECT_TRUE(project.program().step(3).isEmpty());
    EXPECT_TRUE(project.grid().isClear());
    EXPECT_EQ(project.program().blockStart, -1);
    EXPECT_TRUE(project.program().projectFile.isEmpty());
    EXPECT_FALSE(project.isModified());
    EXPECT_TRUE(window->instrWindow().isShown());
    EXPECT_EQ(window->windowTitle(), u"conveyor - Ladrix 2.0"_s);
}

TEST_F(ProjectFlowTest, CancelledNewProjectLeavesTheOpenProjectAlone)
{
    editedProject("kept", "ld x0", 1);
    // Saving chosen but its file dialog cancelled: the new-project dialog never opens.
    prompts.saveChoices = {Choice::Save};
    answerNewProject("other", 0);
    choose("mnuFNew");
    EXPECT_EQ(prompts.dialogsRun, QStringList{"frmNew"});
    // Nothing to save, but the dialog cancelled.
    project.markSaved();
    prompts.dialogDriver = [](QDialog& dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton*>("CancelButton"), Qt::LeftButton);
    };
    choose("mnuFNew");
    EXPECT_EQ(prompts.dialogsRun.size(), 2);
    EXPECT_EQ(project.program().projectName, u"kept"_s);
    EXPECT_EQ(project.program().plcType, 1);
    EXPECT_EQ(project.program().step(0), (Step{"LD", "X0", {}}));
}

TEST_F(ProjectFlowTest, EditedProjectSavedAndReopenedFromTheWindow)
{
    editedProject("press", "ld x0", 1);
    typeRow(1, "out y30");
    typeRow(2, "end");
    EXPECT_TRUE(project.isModified());
    EXPECT_EQ(window->windowTitle(), u"press* - Ladrix 2.0"_s);

    prompts.saveAnswers = {path("press run.lrp")};
    choose("mnuFSave");
    ASSERT_EQ(prompts.saveAsked.size(), 1);
    EXPECT_EQ(prompts.saveAsked[0].title, u"保存工程"_s);
    EXPECT_EQ(prompts.saveAsked[0].filter, u"LADRX Project File (*.lrp)"_s);
    EXPECT_EQ(prompts.saveAsked[0].proposed, u"press"_s);
    EXPECT_EQ(project.program().projectName, u"pressrun"_s);
    EXPECT_EQ(project.program().projectFile, path("press run.lrp"));
    EXPECT_FALSE(project.isModified());
    EXPECT_EQ(lineCount("press run.lrp"), 54007);

    choose("mnuFClose");
    EXPECT_TRUE(prompts.saveQuestions.isEmpty());
    EXPECT_FALSE(project.isOpen());
    EXPECT_TRUE(project.program().step(0).isEmpty());
    EXPECT_FALSE(window->instrWindow().isShown());

    prompts.openAnswers = {path("press run.lrp")};
    choose("mnuFOpen");
    ASSERT_EQ(prompts.openAsked.size(), 1);
    EXPECT_EQ(prompts.openAsked[0].title, u"打开工程"_s);
    EXPECT_EQ(prompts.openAsked[0].filter, u"LADRX 工程文件 (*.lrp)"_s);
    EXPECT_EQ(project.program().step(1), (Step{"OUT", "Y30", {}}));
    EXPECT_EQ(project.program().plcType, 1);
    EXPECT_EQ(window->windowTitle(), u"pressrun - Ladrix 2.0"_s);
    EXPECT_TRUE(window->instrWindow().isShown());
    EXPECT_EQ(row(1)->text().simplified(), u"OUT Y30"_s);

    // A second save goes to the same file without a dialog.
    typeRow(3, "nop 'pause");
    choose("mnuFSave");
    EXPECT_EQ(prompts.saveAsked.size(), 1);
    EXPECT_FALSE(project.isModified());

    // The file holds no comments: one typed in this project is not shown on another one.
    newProject("other");
    prompts.saveAnswers = {path("other.lrp")};
    choose("mnuFSave");
    prompts.openAnswers = {path("press run.lrp")};
    choose("mnuFOpen");
    typeRow(1, "out y31 'lamp");
    prompts.saveChoices = {Choice::Discard};
    prompts.openAnswers = {path("other.lrp")};
    choose("mnuFOpen");
    EXPECT_TRUE(project.program().step(1).isEmpty());
    EXPECT_TRUE(row(1)->text().isEmpty());
}

TEST_F(ProjectFlowTest, CancelledFileDialogsChangeNothing)
{
    editedProject("same", "ld x1");
    const ProgramStore before = project.program();
    for (const char* name : {"mnuFSaveAs", "mnuFISaveAs", "mnuFLSaveAs", "mnuFOpenIns",
                             "mnuFOpenLad", "mnuIOpen", "mnuISaveB"})
        choose(name);
    EXPECT_EQ(project.program().step(0), before.step(0));
    EXPECT_EQ(project.program().projectName, u"same"_s);
    EXPECT_TRUE(project.program().projectFile.isEmpty());
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(prompts.saveAsked.size(), 4);
    EXPECT_EQ(prompts.openAsked.size(), 3);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(ProjectFlowTest, FailedOpenIsReportedAndKeepsTheProject)
{
    editedProject("safe", "ld x2");
    project.markSaved();
    prompts.openAnswers = {path("missing.lrp")};
    choose("mnuFOpen");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].title, u"错误 53"_s);
    EXPECT_FALSE(prompts.messages[0].text.isEmpty());
    EXPECT_EQ(project.program().projectName, u"safe"_s);
    EXPECT_EQ(project.program().step(0).data, u"X2"_s);

    prompts.openAnswers = {path("missing.zk1")};
    choose("mnuFImp");
    ASSERT_EQ(prompts.messages.size(), 2);
    EXPECT_EQ(prompts.messages[1].title, u"错误 53"_s);
    EXPECT_EQ(project.program().projectName, u"safe"_s);
    EXPECT_EQ(project.program().step(0).data, u"X2"_s);
    EXPECT_FALSE(project.isModified());
}

TEST_F(ProjectFlowTest, FailedSaveIsReportedAndTheChangesStayUnsaved)
{
    editedProject("disk", "ld x3");
    prompts.saveAnswers = {path("no/such/folder/disk.lrp")};
    choose("mnuFSave");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(prompts.messages[0].title.startsWith("错误 "));
    EXPECT_TRUE(project.isModified());
    EXPECT_EQ(project.program().projectName, u"disk"_s);
    EXPECT_TRUE(project.program().projectFile.isEmpty());
}

TEST_F(ProjectFlowTest, TruncatedOrDamagedProjectIsWarnedAboutAndLeftUnsaved)
{
    prompts.openAnswers = {writeFile("short.lrp", "short\r\n 1 \r\nLD\r\nX0\r\n")};
    choose("mnuFOpen");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(prompts.messages[0].text.contains("short.lrp"));
    EXPECT_EQ(project.program().step(0).ins, u"LD"_s);
    EXPECT_TRUE(project.isModified());

    // Complete, but the model line is no number: that value keeps what it was.
    const QByteArray damaged = "damaged\r\nzz\r\nOUT\r\nY30\r\n" +
                               QByteArray("\r\n").repeated(3998) +
                               QByteArray(" 0 \r\n 0 \r\n 0 \r\n\r\n\r\n").repeated(10001);
    prompts.saveChoices = {Choice::Discard};
    prompts.openAnswers = {writeFile("damaged.lrp", damaged)};
    choose("mnuFOpen");
    ASSERT_EQ(prompts.messages.size(), 2);
    EXPECT_EQ(prompts.messages[1].icon, QMessageBox::Warning);
    EXPECT_TRUE(prompts.messages[1].text.contains("damaged.lrp"));
    EXPECT_EQ(project.program().step(0).ins, u"OUT"_s);
    EXPECT_EQ(project.program().plcType, 1);
    EXPECT_TRUE(project.isModified());
}

TEST_F(ProjectFlowTest, ShortFileIsWarnedAboutInOneMessage)
{
    newProject("short");
    const QString kept = u"不完整：已读入能读到的部分，其余内容保持原样。"_s;
    const struct {
        const char* menu;
        QString file;
        QByteArray bytes;
        QString text;
    } rows[]{
        {"mnuFOpenIns", "s.ins", "LD\r\nX0\r\n", u"文件“s.ins”"_s + kept},
        {"mnuFOpenLad", "s.lad", " 1 \r\n 6 \r\n", u"文件“s.lad”"_s + kept},
        {"mnuFImp", "s.zk1", "LD\r\n27\r\n",
         u"文件“s.zk1”不完整：已读入能读到的部分，其余的步为空。"_s},
        {"mnuFOpen", "s.lrp", "s\r\n 0 \r\nLD\r\nX0\r\n", u"文件“s.lrp”"_s + kept},
    };
    for (const auto& row : rows) {
        prompts.messages.clear();
        prompts.saveChoices = {Choice::Discard};
        prompts.openAnswers = {writeFile(row.file, row.bytes)};
        choose(row.menu);
        ASSERT_EQ(prompts.messages.size(), 1) << row.menu;
        EXPECT_EQ(prompts.messages[0].icon, QMessageBox::Warning);
        EXPECT_EQ(prompts.messages[0].text, row.text);
    }
}

TEST_F(ProjectFlowTest, InstructionListLoadedAsLadderIsRefusedAndTheGridKept)
{
    newProject("mixed");
    project.grid().cell(5).type = kContact;
    const LadderGrid before = project.grid();
    ASSERT_TRUE(saveInstructionList(path("p.ins"), project.program()));
    prompts.openAnswers = {path("p.ins")};
    choose("mnuFOpenLad");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].text.contains(u"不是梯形图文件"_s));
    EXPECT_TRUE(prompts.messages[0].text.contains(u"指令表文件的行数"_s));
    EXPECT_EQ(project.grid(), before);
}

TEST_F(ProjectFlowTest, UnsavedChangesQuestionSaveDiscardCancel)
{
    editedProject("ask", "ld x4");

    prompts.saveChoices = {Choice::Cancel};
    choose("mnuFClose");
    EXPECT_EQ(prompts.saveQuestions, QStringList{"ask"});
    EXPECT_TRUE(project.isOpen());
    EXPECT_EQ(project.program().step(0).data, u"X4"_s);

    prompts.saveChoices = {Choice::Save};
    prompts.saveAnswers = {path("ask.lrp")};
    choose("mnuFClose");
    EXPECT_FALSE(project.isOpen());
    EXPECT_EQ(lineCount("ask.lrp"), 54007);

    prompts.openAnswers = {path("ask.lrp")};
    choose("mnuFOpen");
    typeRow(1, "out y31");
    prompts.saveChoices = {Choice::Discard};
    prompts.openAnswers = {path("ask.lrp")};
    choose("mnuFOpen");
    EXPECT_TRUE(project.program().step(1).isEmpty());
    EXPECT_EQ(prompts.saveQuestions.size(), 3);
}

TEST_F(ProjectFlowTest, ClosingTheWindowAsksToExitThenAboutChangesEvenInTheRowBeingTyped)
{
    prompts.exitAnswer = false;
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompts.exitAsked, 1);
    EXPECT_TRUE(window->isVisible());

    newProject("quit");
    typeRow(0, "ld x6", false);
    prompts.exitAnswer = true;
    prompts.saveChoices = {Choice::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompts.exitAsked, 2);
    EXPECT_EQ(prompts.saveQuestions, QStringList{"quit"});
    EXPECT_EQ(project.program().step(0).data, u"X6"_s);

    prompts.saveChoices = {Choice::Discard};
    EXPECT_TRUE(window->close());
}

TEST_F(ProjectFlowTest, ExitItemEndsWithoutTheExitQuestion)
{
    newProject("done");
    QSignalSpy exited(window.get(), &MainWindow::exited);
    choose("mnuFExit");
    EXPECT_EQ(prompts.exitAsked, 0);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(exited.count(), 1);
}

TEST_F(ProjectFlowTest, Zk1ImportFromTheMenuAsksFirstAndNamesTheProjectAfterTheFile)
{
    const QString zk1 = writeFile("legacy prog.zk1", "LD\r\n27\r\nOUT\r\n675\r\n");
    newProject("before");
    prompts.saveAnswers = {path("before.lrp")};
    choose("mnuFSave");
    typeRow(5, "nop");

    prompts.saveChoices = {Choice::Discard};
    prompts.openAnswers = {zk1};
    choose("mnuFImp");
    EXPECT_EQ(prompts.saveQuestions, QStringList{"before"});
    ASSERT_EQ(prompts.openAsked.size(), 1);
    EXPECT_EQ(prompts.openAsked[0].filter, u"ZK1 Program File (*.zk1)"_s);
    EXPECT_EQ(project.program().projectName, u"legacyprog"_s);
    EXPECT_EQ(project.program().step(0).data, u"X27"_s);
    EXPECT_EQ(project.program().step(1).data, u"F675"_s);
    EXPECT_TRUE(project.program().step(5).isEmpty());
    // The short file is warned about, saying truly that the steps it lacks are empty.
    ASSERT_FALSE(prompts.messages.isEmpty());
    EXPECT_TRUE(prompts.messages.last().text.startsWith(
        u"文件“legacy prog.zk1”不完整：已读入能读到的部分，其余的步为空。"_s));
    // The imported program is in no project file yet: saving asks, the old file stays.
    EXPECT_TRUE(project.isModified());
    choose("mnuFSave");
    ASSERT_EQ(prompts.saveAsked.size(), 2);
    EXPECT_EQ(prompts.saveAsked[1].proposed, path("legacyprog"));
    QFile before(path("before.lrp"));
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    EXPECT_EQ(before.readLine(), "before\r\n");
}

TEST_F(ProjectFlowTest, InstructionListAndLadderFilesGoThroughTheirDialogs)
{
    editedProject("halves", "ld x7 'first");
    project.grid().cell(5).type = kContact;
    prompts.saveAnswers = {path("a.ins"), path("a.lad")};
    choose("mnuFISaveAs");
    choose("mnuFLSaveAs");
    EXPECT_EQ(prompts.saveAsked[0].title, u"保存指令表"_s);
    EXPECT_EQ(prompts.saveAsked[0].filter, u"LADRX 指令表文件 (*.ins)"_s);
    EXPECT_EQ(prompts.saveAsked[1].title, u"保存梯形图"_s);
    EXPECT_EQ(prompts.saveAsked[1].filter, u"LADRX 梯形图文件 (*.lad)"_s);
    EXPECT_EQ(lineCount("a.ins"), 4000);
    EXPECT_EQ(lineCount("a.lad"), 50005);

    choose("mnuLClear");
    EXPECT_TRUE(project.grid().isClear());
    project.program().step(0) = Step{"NOP", {}, "first"};
    prompts.openAnswers = {path("a.ins"), path("a.lad")};
    choose("mnuFOpenIns");
    choose("mnuFOpenLad");
    EXPECT_EQ(prompts.openAsked[0].title, u"导入指令表"_s);
    EXPECT_EQ(prompts.openAsked[1].title, u"导入梯形图"_s);
    EXPECT_EQ(project.program().step(0), (Step{"LD", "X7", "first"}));
    EXPECT_EQ(project.grid().cell(5).type, kContact);
    EXPECT_EQ(project.program().projectName, u"halves"_s);
}

TEST_F(ProjectFlowTest, BlockSavedAndInsertedAtTheCurrentStep)
{
    newProject("blocks");
    for (int i = 0; i < 15; ++i)
        project.program().step(i) = Step{"LD", QStringLiteral("X%1").arg(i), {}};
    project.notifyStepsChanged();
    project.program().curStep = 10;
    choose("mnuIFirst");
    project.program().curStep = 12;
    choose("mnuILast");
    prompts.saveAnswers = {path("block.ins")};
    choose("mnuISaveB");
    EXPECT_EQ(prompts.saveAsked.last().title, u"编辑块另存为"_s);
    EXPECT_EQ(lineCount("block.ins"), 6);

    project.program().curStep = 3;
    prompts.openAnswers = {path("block.ins")};
    choose("mnuIOpen");
    EXPECT_EQ(prompts.openAsked.last().title, u"导入指令表"_s);
    EXPECT_EQ(project.program().step(3).data, u"X10"_s);
    EXPECT_EQ(project.program().step(5).data, u"X12"_s);
    EXPECT_EQ(project.program().step(6).data, u"X3"_s);
    EXPECT_EQ(project.program().step(17).data, u"X14"_s);

    // A whole instruction-list file inserts its steps, not its 2000 pairs, so the rest of the
    // program stays.
    ProgramStore other;
    other.step(0) = Step{"LDI", "X7", {}};
    other.step(1) = Step{"OUT", "Y37", {}};
    ASSERT_TRUE(saveInstructionList(path("whole.ins"), other).ok);
    project.program().curStep = 1;
    prompts.openAnswers = {path("whole.ins")};
    choose("mnuIOpen");
    EXPECT_EQ(project.program().step(1), (Step{"LDI", "X7", {}}));
    EXPECT_EQ(project.program().step(2), (Step{"OUT", "Y37", {}}));
    EXPECT_EQ(project.program().step(3).data, u"X1"_s);
    EXPECT_EQ(project.program().step(19).data, u"X14"_s);
}

TEST_F(ProjectFlowTest, CommentsComeBackFromTheCompanionFileAndGoAlongWithSaveAs)
{
    editedProject("press", "ld x0 'start, \"now\"");
    typeRow(1, "end");
    prompts.saveAnswers = {path("press.lrp")};
    choose("mnuFSave");
    EXPECT_FALSE(project.isModified());
    EXPECT_EQ(crlfLines("press.lrc"), QList<QByteArray>{"0,start, \"now\""});

    choose("mnuFClose");
    prompts.openAnswers = {path("press.lrp")};
    choose("mnuFOpen");
    EXPECT_EQ(project.program().step(0), (Step{"LD", "X0", u"start, \"now\""_s}));
    EXPECT_TRUE(row(0)->text().endsWith(u"start, \"now\""_s)) << row(0)->text().toStdString();
    EXPECT_FALSE(project.isModified());

    // Save As takes the comments to the new name.
    prompts.saveAnswers = {path("copy.lrp")};
    choose("mnuFSaveAs");
    EXPECT_EQ(crlfLines("copy.lrc"), QList<QByteArray>{"0,start, \"now\""});
}

TEST_F(ProjectFlowTest, CommentFileThatCannotBeWrittenIsReportedByName)
{
    editedProject("disk", "ld x3 'kept");
    ASSERT_TRUE(QDir(dir.path()).mkdir("disk.lrc"));
    prompts.saveAnswers = {path("disk.lrp")};
    choose("mnuFSave");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].icon, QMessageBox::Critical);
    EXPECT_EQ(prompts.messages[0].title, u"错误 75"_s);
    EXPECT_TRUE(prompts.messages[0].text.contains(u"disk.lrc"_s));
    EXPECT_TRUE(prompts.messages[0].text.contains(u"工程文件已保存"_s));
    // The project file is written and the project goes by it, but the comments are not saved.
    EXPECT_EQ(lineCount("disk.lrp"), 54007);
    EXPECT_EQ(project.program().projectFile, path("disk.lrp"));
    EXPECT_TRUE(project.isModified());
}

TEST_F(ProjectFlowTest, InstructionListBlockAndInsertedFilesCarryTheirComments)
{
    editedProject("notes", "ld x0 'first");
    typeRow(1, "out y30 'lamp, red");
    prompts.saveAnswers = {path("list.ins")};
    choose("mnuFISaveAs");
    EXPECT_EQ(crlfLines("list.inc"), (QList<QByteArray>{"0,first", "1,lamp, red"}));

    project.program().step(0).rem = u"changed"_s;
    prompts.openAnswers = {path("list.ins")};
    choose("mnuFOpenIns");
    EXPECT_EQ(project.program().step(0).rem, u"first"_s);

    project.program().curStep = 1;
    choose("mnuIFirst");
    choose("mnuILast");
    prompts.saveAnswers = {path("block.ins")};
    choose("mnuISaveB");
    EXPECT_EQ(crlfLines("block.inc"), QList<QByteArray>{"0,lamp, red"});
    project.program().curStep = 5;
    prompts.openAnswers = {path("block.ins")};
    choose("mnuIOpen");
    EXPECT_EQ(project.program().step(5), (Step{"OUT", "Y30", u"lamp, red"_s}));
}

} // namespace
} // namespace ladrix::test
