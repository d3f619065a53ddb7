#include "ladder/ui/LadderEditor.h"
#include "core/Project.h"
#include "ladder/ui/ElementDialog.h"
#include "ladder/ui/LadderToolPalette.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

using namespace ladrix;

namespace {

// A shown, active editor over a fresh project; its element dialogs accept "Y30" at once.
class LadderEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        editor.setMessageSink(
            [this](QWidget*, const QString&, const QString& text) { messages.append(text); });
        editor.setDialogRunner([this](QDialog& dialog) {
            ++dialogs;
            dialog.show();
            QTest::keyClicks(dialog.findChild<QLineEdit*>("txtDev"), "Y30");
            QTest::keyClick(dialog.findChild<QLineEdit*>("txtDev"), Qt::Key_Return);
            return dialog.result();
        });
        editor.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    }
    const Cell& cell(int i) const { return project.grid().cell(i); }
    // Whether the editor's picture is dark at a point.
    bool inked(QPoint at) { return editor.grab().toImage().pixelColor(at).lightness() < 160; }

    Project project;
    LadderEditor editor{project};
    QStringList messages;
    int dialogs = 0;
};

TEST_F(LadderEditorTest, MainKeyboardDigitsPlaceElementsAndKeypadDigitsDoNothing)
{
    ASSERT_TRUE(editor.hasFocus());
    QTest::keyClick(&editor, Qt::Key_1, Qt::KeypadModifier);
    QTest::keyClick(&editor, Qt::Key_9, Qt::ControlModifier);
    EXPECT_TRUE(project.grid().isClear());
    QTest::keyClick(&editor, Qt::Key_1);
    EXPECT_EQ(cell(0), (Cell{kContact, kPlainEdge, kPlainEdge, "Y30", {}}));
    EXPECT_EQ(editor.editing().activeCell(), 1);
    QTest::keyClick(&editor, Qt::Key_Left);
    QTest::keyClick(&editor, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(cell(0), Cell{}) << "Shift is not looked at";
}

TEST_F(LadderEditorTest, ScrollBarPassesItsKeysToTheEditorAndNeverMovesByItself)
{
    QScrollBar* vsc = editor.scrollBar();
    EXPECT_EQ(vsc->minimum(), 0);
    EXPECT_EQ(vsc->maximum(), 1000);
    EXPECT_EQ(vsc->singleStep(), 1);
    EXPECT_EQ(vsc->pageStep(), 10);
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Down})
        QTest::keyClick(vsc, key);
    EXPECT_EQ(vsc->value(), 0);
    EXPECT_EQ(editor.editing().activeCell(), 20);
    QTest::keyClick(vsc, Qt::Key_9);
    EXPECT_EQ(cell(20).type, kLine);

    QWheelEvent wheel(QPointF(100, 100), editor.mapToGlobal(QPointF(100, 100)), {}, {0, -120},
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&editor, &wheel);
    EXPECT_GT(vsc->value(), 0) << "the wheel scrolls rows";
}

TEST_F(LadderEditorTest, ClicksOnThePictureOrItsLabelsMoveTheCursorAndNowhereElse)
{
    const QRect slot = LadderEditor::slotRect(23);
    const struct {
        QPoint at;
        int cell;
    } cases[] = {
        {slot.center(), 23},
        {QPoint(slot.center().x(), slot.top() + 3), 23},    // the label above
        {QPoint(slot.center().x(), slot.bottom() - 3), 23}, // the label below
        {QPoint(slot.left(), slot.center().y()), 0},        // the left edge strip
        {QPoint(LadderEditor::kGridLeft - 3, 20), 0},       // beside the rail
    };
    for (const auto& c : cases) {
        editor.editing().imgClick(0);
        QTest::mouseClick(&editor, Qt::LeftButton, {}, c.at);
        EXPECT_EQ(editor.editing().activeCell(), c.cell) << c.at.x() << "," << c.at.y();
    }
}

TEST_F(LadderEditorTest, ViewRedrawsOnGridChangesAndGreysCellsPastTheGrid)
{
    const QPoint rung = LadderEditor::slotRect(12).center() + QPoint(-20, 0);
    EXPECT_FALSE(inked(rung));
    project.grid().cell(12) = Cell{kLine, kPlainEdge, kPlainEdge, {}, {}};
    project.notifyGridChanged();
    EXPECT_TRUE(inked(rung));

    editor.scrollBar()->setValue(1000);
    const QImage image = editor.grab().toImage();
    const auto shade = [&](int k) {
        const QRect r = LadderEditor::slotRect(k);
        int grey = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left() + 3; x < r.right() - 3; ++x)
                grey += image.pixelColor(x, y) != Qt::white;
        return grey;
    };
    EXPECT_EQ(shade(0), 0) << "cell 10000 is part of the grid";
    EXPECT_GT(shade(1), 50);
    EXPECT_GT(shade(99), 50);
}

TEST(ElementDialogTest, FieldsFollowTheModeAndEnterInAnyFieldIsOk)
{
    const struct {
        int mode;
        bool fnc, k;
    } modes[] = {{1, false, false}, {2, true, false}, {3, false, true}};
    for (const auto& m : modes) {
        ElementDialog dialog({m.mode, kCoil});
        QStringList messages;
        dialog.setMessageSink([&](QWidget*, const QString&, const QString& t) { messages << t; });
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        auto* fnc = dialog.findChild<QComboBox*>("cmbFNC");
        auto* dev = dialog.findChild<QLineEdit*>("txtDev");
        auto* k = dialog.findChild<QLineEdit*>("txtK");
        EXPECT_EQ(fnc->isEnabled(), m.fnc);
        EXPECT_EQ(k->isEnabled(), m.k);
        EXPECT_EQ(QApplication::focusWidget(), m.fnc ? static_cast<QWidget*>(fnc) : dev);
        EXPECT_EQ(fnc->count(), 12);
        // Enter with a field missing names it and keeps the dialog open.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        ASSERT_EQ(messages.size(), 1) << "mode " << m.mode;
        EXPECT_TRUE(dialog.isVisible());
        QTest::keyClicks(dev, "x1");
        if (m.fnc)
            QTest::keyClicks(fnc->lineEdit(), "s");
        if (m.k)
            QTest::keyClicks(k, "7");
        QWidget* last = m.fnc ? static_cast<QWidget*>(fnc) : m.k ? static_cast<QWidget*>(k) : dev;
        QTest::keyClick(last, Qt::Key_Return);
        EXPECT_EQ(messages.size(), 1);
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << "mode " << m.mode;
        ASSERT_TRUE(dialog.input().has_value());
        EXPECT_EQ(dialog.input()->inputText[0], "x1");
        EXPECT_EQ(dialog.input()->inputText[1], m.fnc ? "s" : "");
        EXPECT_EQ(dialog.input()->inputText[2], m.k ? "007" : "");
    }
}

TEST(ElementDialogTest, CancelHandsNothingBack)
{
    ElementDialog dialog({ElementRequest::DeviceOnly, kContact});
    dialog.show();
    QTest::keyClicks(dialog.findChild<QLineEdit*>("txtDev"), "X0");
    QTest::mouseClick(dialog.findChild<QPushButton*>("CancelButton"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.input().has_value());
}

TEST(LadderToolPaletteTest, ButtonsAndKeysSendTheEditorsKeyCodes)
{
    LadderToolPalette palette;
    QList<int> sent;
    QObject::connect(&palette, &LadderToolPalette::keyDown, [&](int code) { sent << code; });
    palette.show();
    EXPECT_TRUE(palette.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(palette.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    const QList<QAction*> actions = palette.toolBar()->actions();
    ASSERT_EQ(actions.size(), 10);
    for (QAction* action : actions)
        action->trigger();
    EXPECT_EQ(sent, (QList<int>{49, 50, 51, 52, 53, 54, 55, 56, 57, 48}));
    EXPECT_FALSE(actions[0]->toolTip().isEmpty());
    sent.clear();
    QTest::keyClick(&palette, Qt::Key_8);
    QTest::keyClick(&palette, Qt::Key_Left);
    QTest::keyClick(&palette, Qt::Key_A);
    EXPECT_EQ(sent, (QList<int>{56, 37}));
}

} // namespace
