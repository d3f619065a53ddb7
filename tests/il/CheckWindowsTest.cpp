#include "EditorFixture.h"

#include "il/CheckReport.h"
#include "il/XrefWindow.h"

#include <QHeaderView>
#include <QListWidget>
#include <QTreeWidget>

using namespace ladrix;

namespace {

class CheckWindowsTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        project.program().projectName = QStringLiteral("motor");
        setSteps({{0, {"LD", "X0", {}}},
                  {1, {"OUT", "Y30", {}}},
                  {400, {"LD", "X1", {}}},
                  {401, {"OUT", "Y030", {}}},
                  {600, {"LD", "X7", {}}},
                  {601, {"OUT", "T50", {}}},
                  {602, {"K", "10", {}}},
                  {700, {"END", {}, {}}}});
    }

    static void doubleClick(QAbstractItemView* view, const QModelIndex& index)
    {
        const QPoint at = view->visualRect(index).center();
        // The first click selects, the double click opens, as a user's does.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        QApplication::processEvents();
    }
};

} // namespace

TEST_F(CheckWindowsTest, ReportListsTheFindingsAndShowsAStepOnDoubleClickOrEnter)
{
    CheckReport report(project, *editor);
    report.runCheck();
    report.show();
    auto* list = report.findChild<QListWidget*>(QStringLiteral("lstCheck"));
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("0401: 双线圈：Y30已在步0001输出"));
    EXPECT_EQ(report.findChild<QLabel*>(QStringLiteral("labCount"))->text(),
              QStringLiteral("共1条"));

    doubleClick(list, list->model()->index(0, 0));
    EXPECT_EQ(editor->topStep(), 401);

    editor->showStep(0);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(editor->topStep(), 401);
}

TEST_F(CheckWindowsTest, ReportFollowsTheProgram)
{
    CheckReport report(project, *editor);
    report.runCheck();
    report.show();
    setSteps({{401, {"OUT", "Y31", {}}}});
    EXPECT_TRUE(report.messages().isEmpty());
    EXPECT_EQ(report.findChild<QLabel*>(QStringLiteral("labCount"))->text(),
              QStringLiteral("未发现问题"));
}

TEST_F(CheckWindowsTest, CrossReferenceSortsByDeviceAndShowsAStepOnDoubleClick)
{
    XrefWindow window(project, *editor);
    window.refresh();
    window.show();
    QTreeWidget* table = window.table();
    const auto devices = [table] {
        QStringList names;
        for (int i = 0; i < table->topLevelItemCount(); ++i)
            names << table->topLevelItem(i)->text(XrefWindow::DeviceColumn);
        return names;
    };
    EXPECT_EQ(devices(), (QStringList{"X0", "X1", "X7", "Y30", "T50"}));
    EXPECT_EQ(table->topLevelItem(3)->text(XrefWindow::DriveColumn), QStringLiteral("0001 0401"));
    EXPECT_EQ(table->topLevelItem(3)->text(XrefWindow::ReadColumn), QStringLiteral("-"));

    QTreeWidgetItem* y30Row = table->topLevelItem(3);
    y30Row->setExpanded(true);
    QApplication::processEvents();
    QTreeWidgetItem* second = y30Row->child(1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->text(XrefWindow::DeviceColumn), QStringLiteral("0401"));
    EXPECT_EQ(second->text(XrefWindow::DriveColumn), QStringLiteral("OUT Y030"));
    doubleClick(table, table->indexFromItem(second));
    EXPECT_EQ(editor->topStep(), 401);

    // A click on the device header turns the order round.
    QHeaderView* header = table->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(XrefWindow::DeviceColumn) + 5,
                             header->height() / 2));
    EXPECT_EQ(devices(), (QStringList{"T50", "Y30", "X7", "X1", "X0"}));

    doubleClick(table, table->indexFromItem(table->findItems("T50", Qt::MatchExactly).value(0)));
    EXPECT_EQ(editor->topStep(), 601);
}
