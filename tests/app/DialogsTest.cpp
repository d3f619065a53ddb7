#include "AppFixture.h"

#include "app/AboutDialog.h"
#include "app/NewProjectDialog.h"
#include "app/PrintDialog.h"
#include "il/FindDialog.h"
#include "il/FindReport.h"
#include "il/InstrEditor.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QSysInfo>
#include <QTimer>

namespace ladrix::test {
namespace {

// The real boxes, answered by a click once shown: their buttons read in Chinese.
TEST(WidgetPromptsTest, MessageAndExitBoxesHaveChineseButtons)
{
    WidgetPrompts prompts;
    QStringList captions;
    const auto answer = [&captions](QMessageBox::StandardButton which) {
        QTimer::singleShot(0, [&captions, which] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            for (QAbstractButton* b : box->buttons())
                captions.append(b->text());
            QTest::mouseClick(box->button(which), Qt::LeftButton);
        });
    };
    answer(QMessageBox::Ok);
    prompts.message(nullptr, QMessageBox::Information, u"Ladrix"_s, u"text"_s);
    EXPECT_EQ(captions, QStringList{u"确定"_s});
    captions.clear();
    answer(QMessageBox::Cancel);
    EXPECT_FALSE(prompts.confirmExit(nullptr));
    captions.sort();
    EXPECT_EQ(captions, (QStringList{u"取消"_s, u"确定"_s}));
}

class NewProjectDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    template <typename T> T* child(const char* name)
    {
        return dialog.findChild<T*>(QString::fromLatin1(name));
    }
    void clickModel(int row)
    {
        auto* list = child<QListWidget>("lstMode");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }

    FakePrompts prompts;
    NewProjectDialog dialog{prompts};
};

TEST_F(NewProjectDialogTest, StartsWithDefaultNameNoModelAndOkDisabled)
{
    EXPECT_EQ(dialog.windowTitle(), u"建立新工程"_s);
    EXPECT_EQ(child<QLineEdit>("txtName")->text(), u"新工程"_s);
    auto* list = child<QListWidget>("lstMode");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), u"Orvane QL100/RB1"_s);
    EXPECT_EQ(list->item(1)->text(), u"Orvane QL300/RB2"_s);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    auto* ok = child<QPushButton>("OKButton");
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_EQ(ok->text(), u"确定"_s);
    EXPECT_EQ(child<QPushButton>("CancelButton")->text(), u"取消"_s);
    EXPECT_EQ(dialog.plcType(), -1);
}

TEST_F(NewProjectDialogTest, NameIsSelectedWholeWhenItGetsTheFocus)
{
    child<QPushButton>("CancelButton")->setFocus();
    auto* name = child<QLineEdit>("txtName");
    QTest::mouseClick(name, Qt::LeftButton, {}, QPoint(4, name->height() / 2));
    QCoreApplication::processEvents();
    EXPECT_EQ(name->selectedText(), u"新工程"_s);
    QTest::keyClicks(name, "mixer");
    EXPECT_EQ(name->text(), u"mixer"_s);
}

TEST_F(NewProjectDialogTest, BlankNameBecomesTheDefaultAndBlanksAroundAreDropped)
{
    auto* name = child<QLineEdit>("txtName");
    name->setText("   ");
    EXPECT_EQ(dialog.projectName(), u"新工程"_s);
    name->setText("  tank  ");
    EXPECT_EQ(dialog.projectName(), u"tank"_s);
}

TEST_F(NewProjectDialogTest, NamesThatWouldNotReadBackAreRefused)
{
    for (const char* bad : {"a,b", "\"quoted", "in\"side", "two\nlines", "cr\r"})
        EXPECT_FALSE(projectNameProblem(QString::fromUtf8(bad)).isEmpty()) << bad;
    EXPECT_TRUE(projectNameProblem("水泵 1").isEmpty());

    child<QLineEdit>("txtName")->setText("x\"y");
    clickModel(0);
    QTest::keyClick(child<QPushButton>("OKButton"), Qt::Key_Space);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].title, u"Ladrix 2.0 简体中文版"_s);
}

TEST(AboutDialogTest, ShowsProductVersionAndSystemAndHidesMissingTool)
{
    FakePrompts prompts;
    AboutDialog without(prompts, QString());
    EXPECT_EQ(without.objectName(), u"frmAbout"_s);
    QStringList texts;
    for (const QLabel* label : without.findChildren<QLabel*>())
        texts.append(label->text());
    for (const QString& shown :
         QStringList{"Ladrix 2.0", "版本 2.0", QSysInfo::prettyProductName()})
        EXPECT_TRUE(texts.join('\n').contains(shown)) << shown.toStdString();
    EXPECT_TRUE(without.findChild<QPushButton*>("cmdSysInfo")->isHidden());

    AboutDialog with(prompts, "/usr/bin/true");
    EXPECT_FALSE(with.findChild<QPushButton*>("cmdSysInfo")->isHidden());
}

TEST(AboutDialogTest, SystemLineStaysWholeOnOneLine)
{
    FakePrompts prompts;
    AboutDialog about(prompts, QString());
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    const QLabel* system = about.findChild<QLabel*>("lblSystem");
    const QFontMetrics fm(system->font());
    EXPECT_TRUE(system->text().contains(QSysInfo::kernelVersion()));
    EXPECT_GE(system->contentsRect().width(), fm.horizontalAdvance(system->text()));
    EXPECT_LT(system->height(), 2 * fm.lineSpacing());
}

// Buttons in a button box stand in the platform's order for their roles.
TEST(DialogButtonsTest, ButtonsKeepNameAndCaptionInAButtonBoxByRole)
{
    FakePrompts prompts;
    Project project;
    InstrEditor editor(project);
    AboutDialog about(prompts, "/usr/bin/true");
    FindDialog find(project, editor);
    NewProjectDialog newProject(prompts);
    PrintDialog print(project, prompts);
    using Box = QDialogButtonBox;
    const struct {
        QDialog* dialog;
        const char* name;
        QString caption;
        Box::ButtonRole role;
    } rows[]{
        {&about, "cmdOK", u"确定"_s, Box::AcceptRole},
        {&about, "cmdSysInfo", u"系统信息(&S)..."_s, Box::ActionRole},
        {&find, "cmdFind", u"确定"_s, Box::AcceptRole},
        {&find, "cmdCancel", u"取消"_s, Box::RejectRole},
        {&newProject, "OKButton", u"确定"_s, Box::AcceptRole},
        {&newProject, "CancelButton", u"取消"_s, Box::RejectRole},
        {&print, "cmdOK", u"确定"_s, Box::AcceptRole},
        {&print, "cmdCancel", u"取消"_s, Box::RejectRole},
    };
    for (const auto& row : rows) {
        auto* button = row.dialog->findChild<QPushButton*>(row.name);
        ASSERT_NE(button, nullptr) << row.name;
        EXPECT_EQ(button->text(), row.caption) << row.name;
        auto* box = qobject_cast<Box*>(button->parentWidget());
        ASSERT_NE(box, nullptr) << row.name;
        EXPECT_EQ(box->buttonRole(button), row.role) << row.name;
    }
}

TEST(DialogButtonsTest, EnterPressesTheDefaultButtonAndEscapeCancels)
{
    FakePrompts prompts;
    Project project;
    InstrEditor editor(project);
    AboutDialog about(prompts, QString());
    FindDialog find(project, editor);
    const struct {
        QDialog* dialog;
        const char* focus; // the child that has the focus, or the dialog itself
        Qt::Key key;
        int result;
    } rows[]{
        {&about, nullptr, Qt::Key_Return, QDialog::Accepted}, // the focus off every button
        {&about, nullptr, Qt::Key_Escape, QDialog::Rejected},
        {&find, "ChkIns", Qt::Key_Return, QDialog::Accepted},
        {&find, "txtIns", Qt::Key_Enter, QDialog::Accepted},
        {&find, "txtIns", Qt::Key_Escape, QDialog::Rejected},
    };
    for (const auto& row : rows) {
        row.dialog->setResult(-1);
        row.dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(row.dialog));
        QWidget* target = row.focus ? row.dialog->findChild<QWidget*>(row.focus) : row.dialog;
        target->setFocus();
        QTest::keyClick(target, row.key);
        EXPECT_EQ(row.dialog->result(), row.result)
            << row.dialog->objectName().toStdString() << ' ' << (row.focus ? row.focus : "") << ' '
            << row.key;
        EXPECT_FALSE(row.dialog->isVisible());
    }
    EXPECT_TRUE(find.report()->isVisible());
}

TEST(AboutDialogTest, ToolThatCannotStartIsReported)
{
    FakePrompts prompts;
    AboutDialog about(prompts, "/no/such/sysinfo-tool");
    about.show();
    QTest::mouseClick(about.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].text.contains("/no/such/sysinfo-tool"));
}

using HelpTest = AppFixture;

TEST_F(HelpTest, HelpItemsOpenTheShippedPagesAndLookBesideTheProgramByDefault)
{
    EXPECT_EQ(QDir(window->helpFolder()),
              QDir(QDir(QCoreApplication::applicationDirPath()).filePath("help")));
    window->setHelpFolder(LADRIX_HELP_DIR);
    choose("mnuHHelp");
    clickTool("mnuHPro");
    ASSERT_EQ(prompts.urls.size(), 2);
    EXPECT_EQ(prompts.urls[0].fileName(), u"guide.html"_s);
    EXPECT_EQ(prompts.urls[1].fileName(), u"reference.html"_s);
    for (const QUrl& url : prompts.urls)
        EXPECT_TRUE(QFileInfo::exists(url.toLocalFile())) << url.toString().toStdString();
    EXPECT_TRUE(prompts.messages.isEmpty());
}

// Built, the pages stand beside the program; installed, in share/ladrix/help.
TEST_F(HelpTest, InstalledProgramFindsThePagesOfItsInstallation)
{
    QDir(path("usr")).mkpath("bin");
    QDir(path("usr")).mkpath("share/ladrix/help");
    QDir(path("build")).mkpath("help");
    EXPECT_EQ(defaultHelpFolder(path("usr/bin")), path("usr/share/ladrix/help"));
    EXPECT_EQ(defaultHelpFolder(path("build")), QDir(path("build")).filePath("help"));
    EXPECT_EQ(defaultHelpFolder(path("elsewhere")), QDir(path("elsewhere")).filePath("help"));
}

TEST_F(HelpTest, MissingOrUnopenablePageGivesAClearMessage)
{
    window->setHelpFolder(path("nowhere"));
    choose("mnuHHelp");
    EXPECT_TRUE(prompts.urls.isEmpty());
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].text.contains("找不到帮助文件"));
    EXPECT_TRUE(prompts.messages[0].text.contains("guide.html"));

    window->setHelpFolder(LADRIX_HELP_DIR);
    prompts.openUrlResult = false;
    choose("mnuHPro");
    ASSERT_EQ(prompts.messages.size(), 2);
    EXPECT_TRUE(prompts.messages[1].text.contains("reference.html"));
}

using DialogCommandTest = AppFixture;

TEST_F(DialogCommandTest, ItemsAndButtonsRunTheirDialogs)
{
    // The project the New button makes is what lets the print and find commands run.
    answerNewProject("tb", 1);
    clickTool("mnuFNew");
    prompts.dialogDriver = nullptr;
    for (const char* name : {"mnuHAbout", "mnuTCommS", "mnuFPrint"})
        choose(name);
    for (const char* key : {"mnuFPrint", "mnuIFind", "mnuFOpen"})
        clickTool(key);
    EXPECT_EQ(prompts.dialogsRun,
              (QStringList{"frmNew", "frmAbout", "frmGetComm", "frmPrint", "frmPrint", "frmFind"}));
    ASSERT_EQ(prompts.openAsked.size(), 1);
    EXPECT_EQ(prompts.openAsked[0].title, u"打开工程"_s);
}

} // namespace
} // namespace ladrix::test
