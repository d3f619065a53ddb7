#include "core/Project.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace ladrix;

namespace {

// A project whose recorded changes are collected.
class ProjectHistoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QObject::connect(&project, &Project::changeRecorded,
                         [this](std::shared_ptr<const ProjectChange> c) { changes.push_back(c); });
    }
    void setStep(int i, const char* ins, const char* data)
    {
        project.program().step(i) = Step{ins, data, "note"};
        project.notifyStepsChanged();
    }

    Project project;
    std::vector<std::shared_ptr<const ProjectChange>> changes;
};

TEST_F(ProjectHistoryTest, EachAnnouncementOutsideAScopeIsOneChangeOfWhatItTouched)
{
    setStep(3, "LD", "X0");
    project.grid().cell(25) = Cell{kLine, kPlainEdge, kPlainEdge, {}, {}};
    project.notifyGridChanged();
    project.program().blockStart = 4;
    project.notifyStateChanged();
    project.notifyStepsChanged(); // nothing changed since: no change recorded
    ASSERT_EQ(changes.size(), 2u);
    ASSERT_EQ(changes[0]->steps.size(), 1u);
    EXPECT_EQ(changes[0]->steps[0].index, 3);
    EXPECT_EQ(changes[0]->steps[0].before, Step{});
    EXPECT_TRUE(changes[0]->cells.empty());
    ASSERT_EQ(changes[1]->cells.size(), 1u);
    EXPECT_EQ(changes[1]->cells[0].index, 25);
}

TEST_F(ProjectHistoryTest, NestedScopesMakeOneChangeAndUndoRedoRestoreItExactly)
{
    setStep(0, "LD", "X0");
    const ProgramStore before = project.program();
    const LadderGrid gridBefore = project.grid();
    changes.clear();
    {
        const EditScope outer(project);
        setStep(0, "OUT", "Y30");
        {
            const EditScope inner(project);
            setStep(2000, "K", "5");
            project.program().blockStart = 1;
            project.program().blockEnd = 7;
        }
        project.grid().cell(10000).dev = "X1";
        project.notifyGridChanged();
    }
    ASSERT_EQ(changes.size(), 1u);
    const ProgramStore after = project.program();
    const LadderGrid gridAfter = project.grid();

    project.applyChange(*changes[0], true);
    EXPECT_EQ(project.program().step(0), before.step(0));
    EXPECT_EQ(project.program().step(2000), before.step(2000));
    EXPECT_EQ(project.program().blockStart, -1);
    EXPECT_EQ(project.grid(), gridBefore);
    project.applyChange(*changes[0], false);
    EXPECT_EQ(project.program().step(2000), after.step(2000));
    EXPECT_EQ(project.program().blockEnd, 7);
    EXPECT_EQ(project.grid(), gridAfter);
    // Writing a change back records nothing, and the next edit is measured from there.
    project.notifyStepsChanged();
    EXPECT_EQ(changes.size(), 1u);
}

TEST_F(ProjectHistoryTest, ResetStartsTheHistoryAtTheProgramAsItIs)
{
    project.program().step(5) = Step{"END", {}, {}};
    project.resetHistory();
    setStep(6, "NOP", "");
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0]->steps.size(), 1u) << "step 5 belongs to the program as opened";
}

// A thousand single-step edits of a full program keep far less than 20 MB.
TEST_F(ProjectHistoryTest, ChangesKeepOnlyWhatChanged)
{
    for (int i = 0; i < ProgramStore::kSize; ++i)
        project.program().step(i) = Step{"LD", QStringLiteral("M%1").arg(i), "a comment"};
    for (int i = 0; i < LadderGrid::kSize; ++i)
        project.grid().cell(i) = Cell{kContact, kPlainEdge, kPlainEdge, "M100", {}};
    project.resetHistory();
    for (int i = 0; i < 1000; ++i)
        setStep(i, "AND", qPrintable(QStringLiteral("X%1").arg(i % 8)));
    std::size_t bytes = 0;
    for (const auto& change : changes)
        bytes += change->bytes();
    EXPECT_EQ(changes.size(), 1000u);
    EXPECT_LT(bytes, 20u << 20);
}

} // namespace
