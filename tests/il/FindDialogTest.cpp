#include "EditorFixture.h"

#include "il/FindDialog.h"
#include "il/FindReport.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
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
        setSteps({{3, {"LD", "X0", "start"}},
                  {10, {"LD", "X1", ""}},
                  {500, {"LD", "X2", ""}},
                  {990, {"LD", "X3", "late"}}});
        dialog = std::make_unique<FindDialog>(project, *editor);
        dialog->setMessageSink(collectMessages());
    }
    void TearDown() override { dialog.reset(); }

    template <typename T = QWidget> T* child(QWidget* parent, const char* name) const
    {
        return parent->findChild<T*>(QLatin1String(name));
    }
    QCheckBox* check(const char* name) const { return child<QCheckBox>(dialog.get(), name); }
    QListWidget* list() const { return child<QListWidget>(dialog->report(), "lstMain"); }

    // Runs the dialog modally as the main window does: checks and fills the given fields by
    // mouse and keys, then presses Enter in the last one.
    void runFind(const std::vector<std::pair<const char*, QString>>& fields)
    {
        static const std::map<std::string, const char*> boxes = {
            {"txtStep", "ChkStep"}, {"txtIns", "ChkIns"},   {"txtData", "ChkData"},
            {"txtRem", "ChkRem"},   {"txtRIns", "chkRIns"}, {"txtRdata", "chkRData"}};
        QTimer::singleShot(0, dialog.get(), [this, fields] {
            QLineEdit* edit = nullptr;
            for (const auto& [name, text] : fields) {
                if (!check(boxes.at(name))->isChecked())
                    QTest::mouseClick(check(boxes.at(name)), Qt::LeftButton);
                edit = child<QLineEdit>(dialog.get(), name);
                edit->setFocus();
                edit->selectAll();
                QTest::keyClicks(edit, text);
            }
            QTest::keyClick(edit, Qt::Key_Return);
        });
        dialog->exec();
    }
    // What the screen shows of a widget, and how the widget draws itself now.
    static QImage shown(QWidget* w)
    {
        const QPoint at = w->mapToGlobal(QPoint(0, 0));
        return w->screen()
            ->grabWindow(0, at.x(), at.y(), w->width(), w->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    static QImage drawn(QWidget* w)
    {
        return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    void click(const char* button)
    {
        QTest::mouseClick(child<QPushButton>(dialog->report(), button), Qt::LeftButton);
        QApplication::processEvents();
    }

    std::unique_ptr<FindDialog> dialog;
};

} // namespace

TEST_F(FindDialogTest, EnterFindsShowsTheReportAndTheFieldsAreKept)
{
    EXPECT_EQ(dialog->objectName(), "frmFind");
    for (const char* name : {"ChkStep", "ChkIns", "ChkData", "ChkRem", "ChkCase"})
        EXPECT_FALSE(check(name)->isChecked()) << name;
    runFind({{"txtIns", "ld"}});
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
    FindReport* report = dialog->report();
    ASSERT_TRUE(report->isVisible());
    EXPECT_EQ(report->windowTitle(), "共找到4条记录");
    EXPECT_EQ(list()->item(0)->text(), "0003    LD     X0     start");
    EXPECT_TRUE(report->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_FALSE(child(report, "cmdReplaceAll")->isEnabled());

    runFind({{"txtData", "x1"}});
    EXPECT_EQ(child<QLineEdit>(dialog.get(), "txtIns")->text(), "ld");
    EXPECT_EQ(report->steps(), QList<int>{10});
    click("cmdExit");
    EXPECT_FALSE(report->isVisible());
}

TEST_F(FindDialogTest, EachFindShowsTheReplaceButtonsInTheirNewStateAtOnce)
{
    const struct {
        std::vector<std::pair<const char*, QString>> fields;
        bool replaces;
    } finds[]{
        {{{"txtIns", "ld"}, {"txtRIns", "ldi"}}, true},
        {{{"txtIns", "ld"}}, false}, // the report is reused from here on
        {{{"txtIns", "ld"}, {"txtRdata", "m1"}}, true},
        {{{"txtData", "x0"}}, false},
    };
    for (const auto& find : finds) {
        SCOPED_TRACE(find.fields.back().first);
        check("chkRIns")->setChecked(false);
        check("chkRData")->setChecked(false);
        runFind(find.fields);
        for (const char* name : {"cmdReplace", "cmdReplaceNext", "cmdReplaceAll"}) {
            QWidget* button = child(dialog->report(), name);
            EXPECT_EQ(button->isEnabled(), find.replaces) << name;
            EXPECT_TRUE(QTest::qWaitFor([&] { return shown(button) == drawn(button); }, 500))
                << name << " is drawn in its old state";
        }
    }
}

TEST_F(FindDialogTest, FindAndFindNextScrollTheEditor)
{
    runFind({{"txtIns", "ld"}});
    click("cmdFindNext"); // nothing selected yet: the first line
    EXPECT_EQ(editor->topStep(), 3);
    list()->setCurrentRow(2);
    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    typeInto(5, "out y32");
    click("cmdFind");
    EXPECT_EQ(editor->topStep(), 500);
    EXPECT_EQ(step(8), (Step{"OUT", "Y32", ""}));
    // A step on the last page shows as low on the page as needed.
    const QPoint line = list()->visualItemRect(list()->item(3)).center();
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, line);
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, line);
    EXPECT_EQ(editor->topStep(), 980);
    EXPECT_EQ(row(10)->text(), "LD     X3  'late");
    click("cmdFindNext"); // wraps to the first line
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_EQ(editor->topStep(), 3);
    // Enter on a line does what a double click does.
    QTest::keyClick(list(), Qt::Key_Down);
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_EQ(editor->topStep(), 10);
}

TEST_F(FindDialogTest, ReplaceAllWritesTheMnemonicAndLeavesOperands)
{
    step(500) = {"OUT", "Y30", ""};
    runFind({{"txtIns", "ld"}, {"txtRIns", "ldi"}});
    ASSERT_EQ(dialog->report()->steps(), (QList<int>{3, 10, 990}));
    // A line typed in the editor and not yet left is stored first, not lost to the redraw.
    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    typeInto(1, "out y31");
    click("cmdReplaceAll");
    EXPECT_EQ(step(1), (Step{"OUT", "Y31", ""}));
    EXPECT_EQ(step(3), (Step{"LDI", "X0", "start"}));
    EXPECT_EQ(step(10), (Step{"LDI", "X1", ""}));
    EXPECT_EQ(step(990), (Step{"LDI", "X3", "late"}));
    EXPECT_EQ(step(500), (Step{"OUT", "Y30", ""}));
    EXPECT_EQ(editor->topStep(), 0);
    EXPECT_EQ(row(3)->text(), "LDI    X0  'start");
}

TEST_F(FindDialogTest, ReplaceOneThenNextUntilPastTheEnd)
{
    runFind({{"txtIns", "ld"}, {"txtRdata", "m100"}});
    click("cmdReplace"); // nothing selected: nothing replaced
    EXPECT_EQ(step(3).data, "X0");
    EXPECT_EQ(step(0), Step{});
    list()->setCurrentRow(1);
    click("cmdReplace");
    EXPECT_EQ(step(10), (Step{"LD", "M100", ""}));
    EXPECT_EQ(editor->topStep(), 10);
    EXPECT_EQ(row(0)->text(), "LD     M100");
    click("cmdReplaceNext");
    click("cmdReplaceNext");
    EXPECT_EQ(step(990).data, "M100");
    EXPECT_EQ(step(3).data, "X0");
    EXPECT_TRUE(messages.empty());
    click("cmdReplaceNext");
    ASSERT_EQ(messages.size(), std::size_t(1));
    EXPECT_EQ(messages[0].title, "Ladrix 2.0 简体中文版");
    EXPECT_EQ(step(3).data, "X0");
}
