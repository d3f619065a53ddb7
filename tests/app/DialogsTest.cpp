#include "AppFixture.h"

#include "app/AboutDialog.h"
#include "app/NewProjectDialog.h"

#include <QDir>
#include <QLabel>
#include <QSysInfo>

namespace ladrix::test {
namespace {

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

    FakePrompts prompts;
    NewProjectDialog dialog{prompts};
};

TEST_F(NewProjectDialogTest, StartsWithDefaultNameNoModelAndOkDisabled)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("建立新工程"));
    EXPECT_EQ(child<QLineEdit>("txtName")->text(), QStringLiteral("新工程"));
    auto* list = child<QListWidget>("lstMode");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Orvane QL100/RB1"));
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("Orvane QL300/RB2"));
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_FALSE(child<QPushButton>("OKButton")->isEnabled());
    EXPECT_EQ(child<QPushButton>("OKButton")->text(), QStringLiteral("确定"));
    EXPECT_EQ(child<QPushButton>("CancelButton")->text(), QStringLiteral("取消"));
    EXPECT_EQ(dialog.plcType(), -1);
}

TEST_F(NewProjectDialogTest, NameIsSelectedWholeWhenItGetsTheFocus)
{
    auto* cancel = child<QPushButton>("CancelButton");
    cancel->setFocus();
    auto* name = child<QLineEdit>("txtName");
    QTest::mouseClick(name, Qt::LeftButton, {}, QPoint(4, name->height() / 2));
    QCoreApplication::processEvents();
    EXPECT_EQ(name->selectedText(), QStringLiteral("新工程"));
    QTest::keyClicks(name, QStringLiteral("mixer"));
    EXPECT_EQ(name->text(), QStringLiteral("mixer"));
}

TEST_F(NewProjectDialogTest, ClickingARowEnablesOkAndChoosesTheModel)
{
    auto* list = child<QListWidget>("lstMode");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    EXPECT_TRUE(child<QPushButton>("OKButton")->isEnabled());
    EXPECT_EQ(dialog.plcType(), 1);
    QTest::mouseClick(child<QPushButton>("OKButton"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(NewProjectDialogTest, BlankNameBecomesTheDefaultAndBlanksAroundAreDropped)
{
    auto* name = child<QLineEdit>("txtName");
    name->setText(QStringLiteral("   "));
    EXPECT_EQ(dialog.projectName(), QStringLiteral("新工程"));
    name->setText(QStringLiteral("  tank  "));
    EXPECT_EQ(dialog.projectName(), QStringLiteral("tank"));
}

TEST_F(NewProjectDialogTest, NamesThatWouldNotReadBackAreRefused)
{
    EXPECT_FALSE(projectNameProblem(QStringLiteral("a,b")).isEmpty());
    EXPECT_FALSE(projectNameProblem(QStringLiteral("\"quoted")).isEmpty());
    EXPECT_FALSE(projectNameProblem(QStringLiteral("in\"side")).isEmpty());
    EXPECT_TRUE(projectNameProblem(QStringLiteral("水泵 1")).isEmpty());

    child<QLineEdit>("txtName")->setText(QStringLiteral("x\"y"));
    auto* list = child<QListWidget>("lstMode");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    QTest::keyClick(child<QPushButton>("OKButton"), Qt::Key_Space);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].title, QStringLiteral("Ladrix 2.0 简体中文版"));
}

TEST(AboutDialogTest, ShowsProductVersionAndSystemAndHidesMissingTool)
{
    FakePrompts prompts;
    AboutDialog without(prompts, QString());
    EXPECT_EQ(without.objectName(), QStringLiteral("frmAbout"));
    QStringList texts;
    for (const QLabel* label : without.findChildren<QLabel*>())
        texts.append(label->text());
    const QString all = texts.join(QLatin1Char('\n'));
    EXPECT_TRUE(all.contains(QStringLiteral("Ladrix 2.0")));
    EXPECT_TRUE(all.contains(QStringLiteral("版本 2.0")));
    EXPECT_TRUE(all.contains(QSysInfo::prettyProductName()));
    EXPECT_TRUE(without.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->isHidden());

    AboutDialog with(prompts, QStringLiteral("/usr/bin/true"));
    EXPECT_FALSE(with.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->isHidden());
}

TEST(AboutDialogTest, ToolThatCannotStartIsReported)
{
    FakePrompts prompts;
    AboutDialog about(prompts, QStringLiteral("/no/such/sysinfo-tool"));
    about.show();
    QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].text.contains(QStringLiteral("/no/such/sysinfo-tool")));
}

using HelpTest = AppFixture;

TEST_F(HelpTest, HelpItemsOpenTheShippedPages)
{
    window->setHelpFolder(QStringLiteral(LADRIX_HELP_DIR));
    choose("mnuHHelp");
    clickTool("mnuHPro");
    ASSERT_EQ(prompts.urls.size(), 2);
    EXPECT_EQ(prompts.urls[0].fileName(), QStringLiteral("guide.html"));
    EXPECT_EQ(prompts.urls[1].fileName(), QStringLiteral("reference.html"));
    for (const QUrl& url : prompts.urls)
        EXPECT_TRUE(QFileInfo::exists(url.toLocalFile())) << url.toString().toStdString();
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(HelpTest, DefaultHelpFolderIsBesideTheProgram)
{
    EXPECT_EQ(QDir(window->helpFolder()),
              QDir(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("help"))));
}

TEST_F(HelpTest, MissingOrUnopenablePageGivesAClearMessage)
{
    window->setHelpFolder(path(QStringLiteral("nowhere")));
    choose("mnuHHelp");
    EXPECT_TRUE(prompts.urls.isEmpty());
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].text.contains(QStringLiteral("找不到帮助文件")));
    EXPECT_TRUE(prompts.messages[0].text.contains(QStringLiteral("guide.html")));

    window->setHelpFolder(QStringLiteral(LADRIX_HELP_DIR));
    prompts.openUrlResult = false;
    choose("mnuHPro");
    ASSERT_EQ(prompts.messages.size(), 2);
    EXPECT_TRUE(prompts.messages[1].text.contains(QStringLiteral("reference.html")));
}

TEST_F(HelpTest, AboutAndPortItemsRunTheirDialogs)
{
    choose("mnuHAbout");
    choose("mnuTCommS");
    EXPECT_EQ(prompts.dialogsRun, (QStringList{"frmAbout", "frmGetComm"}));
}

} // namespace
} // namespace ladrix::test
