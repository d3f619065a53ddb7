#include "AppFixture.h"

#include "il/CheckReport.h"
#include "il/InstrEditor.h"
#include "il/XrefWindow.h"

#include <QTreeWidget>

namespace ladrix::test {
namespace {

class CheckCommandsTest : public AppFixture {
protected:
    QLineEdit* row(int r) const
    {
        return window->instrWindow().editor().findChild<QLineEdit*>(QString("txtIns_%1").arg(r));
    }
};

TEST_F(CheckCommandsTest, CheckAndCrossReferenceWorkOnTheOpenProjectWithTheRowBeingTyped)
{
    EXPECT_FALSE(menu("mnuICheck")->isEnabled());
    EXPECT_FALSE(menu("mnuIXref")->isEnabled());
    newProject("check");
    EXPECT_TRUE(menu("mnuICheck")->isEnabled());
    EXPECT_TRUE(menu("mnuIXref")->isEnabled());
    ProgramStore& store = project.program();
    store.step(0) = Step{"LD", "X0", {}};
    store.step(1) = Step{"OUT", "Y30", {}};
    store.step(300) = Step{"LD", "X1", {}};
    store.step(301) = Step{"OUT", "Y30", {}};
    store.step(302) = Step{"END", {}, {}};
    project.notifyStepsChanged();

    // Step 2 is still being typed when the check starts: it is checked as typed.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::mouseClick(row(2), Qt::LeftButton);
    QTest::keyClicks(row(2), "ld x2");
    choose("mnuICheck");
    auto* report = window->findChild<CheckReport*>();
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->isVisible());
    auto* list = report->findChild<QListWidget*>("lstCheck");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), u"0300: LD X1开始的块没有用ANB或ORB连接"_s);
    EXPECT_EQ(list->item(1)->text(), u"0301: 双线圈：Y30已在步0001输出"_s);

    choose("mnuIXref");
    auto* xref = window->findChild<XrefWindow*>();
    ASSERT_NE(xref, nullptr);
    EXPECT_TRUE(xref->isVisible());
    EXPECT_EQ(xref->table()->topLevelItemCount(), 4); // X0, X1, X2, Y30

    // Both belong to the project: they go when it is closed.
    prompts.saveChoices = {UserPrompts::SaveChoice::Discard};
    choose("mnuFClose");
    EXPECT_FALSE(report->isVisible());
    EXPECT_FALSE(xref->isVisible());
}

} // namespace
} // namespace ladrix::test
