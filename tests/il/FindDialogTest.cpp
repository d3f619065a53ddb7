#include "EditorFixture.h"

#include "il/FindDialog.h"
#include "il/FindReport.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <map>
#include <string>

using namespace ladrix;

namespace {

class FindDialogTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        step(3) = {"LD", "X0", "start"};
        step(10) = {"LD", "X1", ""};
        step(500) = {"LD", "X2", ""};
        step(990) = {"LD", "X3", "late"};
        step(999) = {"END", "", ""};
        project.notifyStepsChanged();
        dialog = std::make_unique<FindDialog>(project, *editor);
        dialog->setMessageSink([this](QWidget*, const QString& title, const QString& text) {
            messages.push_back({title, text});
        });
    }
    void TearDown() override { dialog.reset(); }

    template <typename T> T* child(const QString& name) const
    {
        return dialog->findChild<T*>(name);
    }
    QCheckBox* check(const char* name) const { return child<QCheckBox>(QLatin1String(name)); }
    QLineEdit* field(const char* name) const { return child<QLineEdit>(QLatin1String(name)); }
    QPushButton* reportButton(const char* name) const
    {
        return report()->findChild<QPushButton*>(QLatin1String(name));
    }
    FindReport* report() const { return dialog->report(); }
    QListWidget* list() const { return report()->findChild<QListWidget*>("lstMain"); }

    static const char* checkFor(const char* field)
    {
        static const std::map<std::string, const char*> boxes = {
            {"txtStep", "ChkStep"}, {"txtIns", "ChkIns"},   {"txtData", "ChkData"},
            {"txtRem", "ChkRem"},   {"txtRIns", "chkRIns"}, {"txtRdata", "chkRData"}};
        return boxes.at(field);
    }
    // Opens the dialog modally as the main window does, fills it by keys and presses Enter
    // in the text box of the last criterion.
    void runFind(const std::vector<std::pair<const char*, QString>>& fields)
    {
        QTimer::singleShot(0, dialog.get(), [this, fields] {
            QLineEdit* last = nullptr;
            for (const auto& [name, text] : fields) {
                QCheckBox* c = check(checkFor(name));
                if (!c->isChecked())
                    QTest::mouseClick(c, Qt::LeftButton);
                last = field(name);
                last->setFocus();
                last->selectAll();
                QTest::keyClicks(last, text);
            }
            QTest::keyClick(last, Qt::Key_Return);
        });
        dialog->exec();
    }
    void click(const char* button)
    {
        QTest::mouseClick(reportButton(button), Qt::LeftButton);
        QApplication::processEvents();
    }

    std::unique_ptr<FindDialog> dialog;
};

} // namespace

TEST_F(FindDialogTest, StartsClearWithItsControls)
{
    EXPECT_EQ(dialog->objectName(), "frmFind");
    EXPECT_EQ(dialog->windowTitle(), "查找");
    EXPECT_TRUE(dialog->isModal());
    for (const char* name :
         {"ChkStep", "ChkIns", "ChkData", "ChkRem", "ChkCase", "chkRIns", "chkRData"}) {
        ASSERT_NE(check(name), nullptr) << name;
        EXPECT_FALSE(check(name)->isChecked()) << name;
    }
    for (const char* name : {"txtStep", "txtIns", "txtData", "txtRem", "txtRIns", "txtRdata"})
        EXPECT_NE(field(name), nullptr) << name;
    EXPECT_EQ(child<QGroupBox>(QString())->title(), "查找条件");
    EXPECT_EQ(child<QPushButton>("cmdFind")->text(), "确定");
    EXPECT_EQ(child<QPushButton>("cmdCancel")->text(), "取消");
    EXPECT_EQ(report()->objectName(), "frmFReport");
    EXPECT_EQ(report()->findChild<QLabel*>("labFind")->text(), "步序   指令  数据      注释");
    EXPECT_TRUE(report()->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(report()->testAttribute(Qt::WA_ShowWithoutActivating));
}

TEST_F(FindDialogTest, EnterInATextBoxFindsAndShowsTheReport)
{
    runFind({{"txtIns", "ld"}});
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
    ASSERT_TRUE(report()->isVisible());
    EXPECT_EQ(report()->windowTitle(), "共找到4条记录");
    ASSERT_EQ(list()->count(), 4);
    EXPECT_EQ(list()->item(0)->text(), "0003    LD     X0     start");
    EXPECT_EQ(report()->steps(), (QList<int>{3, 10, 500, 990}));
    for (const char* name : {"cmdReplace", "cmdReplaceNext", "cmdReplaceAll"})
        EXPECT_FALSE(reportButton(name)->isEnabled()) << name;

    // The fields keep their values for the next search, which narrows it.
    runFind({{"txtData", "x1"}});
    EXPECT_TRUE(check("ChkIns")->isChecked());
    EXPECT_EQ(field("txtIns")->text(), "ld");
    EXPECT_EQ(report()->steps(), QList<int>{10});
}

TEST_F(FindDialogTest, NoCriterionFindsNothing)
{
    QTimer::singleShot(0, dialog.get(), [this] {
        QTest::mouseClick(child<QPushButton>("cmdFind"), Qt::LeftButton);
    });
    dialog->exec();
    EXPECT_EQ(report()->windowTitle(), "共找到0条记录");
    EXPECT_EQ(list()->count(), 0);
    click("cmdFindNext");
    click("cmdFind");
    EXPECT_EQ(editor->topStep(), 0);
}

TEST_F(FindDialogTest, FindScrollsTheEditorToTheFoundStep)
{
    runFind({{"txtIns", "ld"}});
    list()->setCurrentRow(2);
    click("cmdFind");
    EXPECT_EQ(editor->topStep(), 500);
    // A step on the last page shows as low on the page as needed.
    const QRect line = list()->visualItemRect(list()->item(3));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, line.center());
    EXPECT_EQ(editor->topStep(), 500);
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, line.center());
    EXPECT_EQ(editor->topStep(), 980);
    EXPECT_EQ(row(10)->text(), "LD     X3  'late");
}

TEST_F(FindDialogTest, FindNextWrapsToTheFirstLine)
{
    runFind({{"txtIns", "ld"}});
    click("cmdFindNext");
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_EQ(editor->topStep(), 3);
    list()->setCurrentRow(3);
    click("cmdFindNext");
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_EQ(editor->topStep(), 3);
    click("cmdFindNext");
    EXPECT_EQ(editor->topStep(), 10);
}

TEST_F(FindDialogTest, ReplaceAllWritesTheMnemonicAndLeavesOperands)
{
    step(500) = {"OUT", "Y30", ""};
    runFind({{"txtIns", "ld"}, {"txtRIns", "ldi"}});
    ASSERT_EQ(report()->steps(), (QList<int>{3, 10, 990}));
    EXPECT_TRUE(reportButton("cmdReplaceAll")->isEnabled());
    click("cmdReplaceAll");
    EXPECT_EQ(step(3), (Step{"LDI", "X0", "start"}));
    EXPECT_EQ(step(10), (Step{"LDI", "X1", ""}));
    EXPECT_EQ(step(990), (Step{"LDI", "X3", "late"}));
    EXPECT_EQ(step(500), (Step{"OUT", "Y30", ""}));
    EXPECT_EQ(editor->topStep(), 0);
    EXPECT_EQ(row(3)->text(), "LDI    X0  'start");
}

TEST_F(FindDialogTest, ReplaceOneThenNextUntilTheEnd)
{
    runFind({{"txtIns", "ld"}, {"txtRdata", "m100"}});
    list()->setCurrentRow(1);
    click("cmdReplace");
    EXPECT_EQ(step(10), (Step{"LD", "M100", ""}));
    EXPECT_EQ(step(3).data, "X0");
    EXPECT_EQ(editor->topStep(), 10);
    EXPECT_EQ(row(0)->text(), "LD     M100");
    click("cmdReplaceNext");
    EXPECT_EQ(step(500).data, "M100");
    click("cmdReplaceNext");
    EXPECT_EQ(step(990).data, "M100");
    EXPECT_EQ(editor->topStep(), 980);
    EXPECT_TRUE(messages.empty());
    // Past the last line: a message, and nothing else is replaced.
    step(3).data = "X0";
    click("cmdReplaceNext");
    ASSERT_EQ(messages.size(), std::size_t(1));
    EXPECT_EQ(messages[0].title, "Ladrix 2.0 简体中文版");
    EXPECT_EQ(step(3).data, "X0");
    EXPECT_EQ(list()->currentRow(), 3);
}

TEST_F(FindDialogTest, ReplaceWithoutSelectionChangesNothing)
{
    runFind({{"txtIns", "ld"}, {"txtRIns", "ldi"}});
    click("cmdReplace");
    EXPECT_EQ(step(3).ins, "LD");
    EXPECT_EQ(step(0).ins, "");
    // Replace Next with nothing selected starts at the first line.
    click("cmdReplaceNext");
    EXPECT_EQ(step(3).ins, "LDI");
    EXPECT_EQ(step(10).ins, "LD");
}

TEST_F(FindDialogTest, CancelAndExitCloseTheirWindows)
{
    QTimer::singleShot(0, dialog.get(), [this] {
        QTest::mouseClick(child<QPushButton>("cmdCancel"), Qt::LeftButton);
    });
    EXPECT_EQ(dialog->exec(), QDialog::Rejected);
    EXPECT_FALSE(report()->isVisible());
    runFind({{"txtStep", "10"}});
    EXPECT_EQ(report()->steps(), QList<int>{10});
    click("cmdExit");
    EXPECT_FALSE(report()->isVisible());
}
