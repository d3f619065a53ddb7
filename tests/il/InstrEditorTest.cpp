#include "EditorFixture.h"

#include <QAbstractButton>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>

using namespace ladrix;

namespace {

class InstrEditorTest : public EditorFixture {};

} // namespace

TEST_F(InstrEditorTest, PagesThroughTheStepsOfEitherModel)
{
    EXPECT_EQ(editor->objectName(), "frmInstr");
    EXPECT_EQ(editor->windowTitle(), "指令表编辑器");
    setSteps({{1, {"OUT", "T050", "delay"}},
              {2, {"", "", "note"}},
              {9, {"OUT", "M100", QString(80, u'W')}}});
    EXPECT_EQ(stepLabel(0)->text(), "0000");
    EXPECT_EQ(stepLabel(InstrEditor::kRows - 1)->text(), "0019");
    EXPECT_EQ(row(1)->text(), "OUT    T050  'delay");
    EXPECT_EQ(row(2)->text(), "    'note");
    EXPECT_EQ(row(3)->text(), "");
    EXPECT_EQ(row(9)->cursorPosition(), 0); // a long row shows its start
    QScrollBar* vsc = editor->scrollBar();
    EXPECT_EQ(vsc->maximum(), 980);
    vsc->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(stepLabel(0)->text(), "0020");
    vsc->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(stepLabel(0)->text(), "0019");

    project.program().plcType = 1;
    project.notifyStateChanged();
    editor->showStep(1999);
    EXPECT_EQ(editor->topStep(), 1980);
    EXPECT_EQ(stepLabel(0)->text(), "1980");
    EXPECT_EQ(stepLabel(19)->text(), "1999");
    focusRow(10);
    EXPECT_EQ(project.program().curStep, 1990);
    project.program().plcType = 0;
    project.notifyStateChanged();
    EXPECT_EQ(stepLabel(19)->text(), "0999");
    EXPECT_EQ(project.program().curStep, 990);
    // Latin letters and digits share one width, so the blank-filled columns line up.
    const QFontMetrics fm(row(0)->font());
    EXPECT_EQ(fm.horizontalAdvance(QStringLiteral("LDI  ")),
              fm.horizontalAdvance(QStringLiteral("OUT00")));
}

TEST_F(InstrEditorTest, ArrowKeysStopAtTheEndsOfTheRange)
{
    focusRow(0);
    press(0, Qt::Key_Up);
    EXPECT_EQ(editor->topStep(), 0);
    editor->showStep(980);
    focusRow(19);
    EXPECT_EQ(project.program().curStep, 999);
    press(19, Qt::Key_Down);
    press(19, Qt::Key_Return);
    EXPECT_EQ(editor->topStep(), 980);
    EXPECT_TRUE(row(19)->hasFocus());
    press(19, Qt::Key_Up);
    EXPECT_TRUE(row(18)->hasFocus());
    EXPECT_EQ(project.program().curStep, 998);
}

TEST_F(InstrEditorTest, EnterStoresTheRowAndScrollsFromTheLastRow)
{
    setSteps({{20, {"OUT", "Y30", ""}}});
    typeInto(2, "OUT y30");
    press(2, Qt::Key_Enter);
    EXPECT_TRUE(row(3)->hasFocus());
    EXPECT_EQ(step(2), (Step{"OUT", "Y30", ""}));
    typeInto(19, "ld x0 'start");
    press(19, Qt::Key_Return);
    EXPECT_EQ(step(19), (Step{"LD", "X0", "start"}));
    EXPECT_EQ(editor->topStep(), 1);
    EXPECT_TRUE(row(19)->hasFocus());
    EXPECT_EQ(row(18)->text(), "LD     X0  'start");
    EXPECT_EQ(row(19)->text(), "OUT    Y30");
    // The current step follows the focused row, which now shows step 20.
    EXPECT_EQ(project.program().curStep, 20);
}

TEST_F(InstrEditorTest, PageKeysTurnAWholePageAndStoreTheTypedRow)
{
    typeInto(4, "ld x3");
    press(4, Qt::Key_PageDown);
    EXPECT_EQ(step(4), (Step{"LD", "X3", ""}));
    EXPECT_EQ(editor->topStep(), 20);
    EXPECT_TRUE(row(4)->hasFocus());
    EXPECT_EQ(project.program().curStep, 24);
    EXPECT_EQ(stepLabel(4)->text(), "0024");
    press(4, Qt::Key_PageUp);
    EXPECT_EQ(editor->topStep(), 0);
    EXPECT_EQ(row(4)->text(), "LD     X3");
    // At either end of the range the focus goes to the first or the last row instead.
    press(4, Qt::Key_PageUp);
    EXPECT_TRUE(row(0)->hasFocus());
    editor->showStep(975);
    focusRow(2);
    press(2, Qt::Key_PageDown);
    EXPECT_EQ(editor->topStep(), 980);
    press(2, Qt::Key_PageDown);
    EXPECT_TRUE(row(19)->hasFocus());
    EXPECT_EQ(project.program().curStep, 999);
}

TEST_F(InstrEditorTest, UpInFirstRowAndInsertKeyLoseTypedText)
{
    setSteps({{4, {"LD", "X1", ""}}, {5, {"LD", "X2", ""}}});
    editor->showStep(5);
    typeInto(0, "out y31");
    press(0, Qt::Key_Up);
    EXPECT_EQ(editor->topStep(), 4);
    EXPECT_EQ(row(0)->text(), "LD     X1");
    typeInto(1, "out y32");
    press(1, Qt::Key_Insert);
    EXPECT_EQ(row(1)->text(), "LD     X2");
    focusRow(3);
    EXPECT_EQ(step(4), (Step{"LD", "X1", ""}));
    EXPECT_EQ(step(5), (Step{"LD", "X2", ""}));
}

TEST_F(InstrEditorTest, RowReachedByAKeyIsReplacedByTyping)
{
    const struct {
        int top, from;
        Qt::Key key;
        int to, step; // the row that takes the typing, and the step it shows
    } cases[]{
        {0, 0, Qt::Key_Down, 1, 1},    {0, 0, Qt::Key_Return, 1, 1},
        {0, 2, Qt::Key_Up, 1, 1},      {5, 0, Qt::Key_Up, 0, 4},
        {0, 19, Qt::Key_Down, 19, 20}, {0, 3, Qt::Key_PageDown, 3, 23},
        {20, 3, Qt::Key_PageUp, 3, 3}, {0, 3, Qt::Key_PageUp, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        for (int i = 0; i < 45; ++i)
            step(i) = {"ANI", "X27", ""};
        project.notifyStepsChanged();
        editor->showStep(c.top);
        focusRow(c.from);
        press(c.from, c.key);
        ASSERT_TRUE(row(c.to)->hasFocus());
        QTest::keyClicks(row(c.to), "ld x5");
        press(c.to, Qt::Key_Return);
        EXPECT_EQ(step(c.step), (Step{"LD", "X5", ""}));
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(InstrEditorTest, ClickPlacesTheCaretWhereClicked)
{
    setSteps({{2, {"ANI", "X27", ""}}});
    focusRow(0);
    const QFontMetrics fm(row(2)->font());
    const int x = row(2)->textMargins().left() + fm.horizontalAdvance(QStringLiteral("ANI")) + 4;
    QTest::mouseClick(row(2), Qt::LeftButton, {}, QPoint(x, row(2)->height() / 2));
    EXPECT_FALSE(row(2)->hasSelectedText());
    EXPECT_EQ(row(2)->cursorPosition(), 3);
}

TEST_F(InstrEditorTest, RefusedLinesShowTheMessageAndKeepTheOldStep)
{
    const QString app = QStringLiteral("Ladrix 2.0 简体中文版");
    // An overflow is a run-time fault, reported under its number with its description.
    const std::tuple<const char*, QString, QString> cases[] = {
        {"mov d700", app, QStringLiteral("错误的指令MOV")},
        {"ld x28", app, QStringLiteral("无效的器件号x28")},
        {"out x0", app, QStringLiteral("指令OUT不支持X")},
        {"ld x99999", QStringLiteral("错误 6"), QString()},
    };
    setSteps({{7, {"LD", "X0", "old"}}});
    for (const auto& [line, title, text] : cases) {
        messages.clear();
        typeInto(7, QString::fromUtf8(line));
        focusRow(8);
        ASSERT_TRUE(QTest::qWaitFor([&] { return messages.size() == 1; })) << line;
        EXPECT_EQ(messages[0].title, title);
        EXPECT_FALSE(messages[0].text.isEmpty());
        if (!text.isEmpty()) {
            EXPECT_EQ(messages[0].text, text);
        }
        EXPECT_EQ(step(7), (Step{"LD", "X0", "old"}));
        EXPECT_EQ(row(7)->text(), "LD     X0  'old");
    }
    EXPECT_EQ(project.program().curStep, 8);
}

TEST_F(InstrEditorTest, LeavingUneditedRowsNeverChangesSteps)
{
    // Steps the line parser would not give back as they are.
    const Step original[] = {{"", "", "Only A Comment"},
                             {"LD ", "x0", "  Start Motor "},
                             {"OUT", "T050", "'quoted"},
                             {"", "", " "}};
    for (int i = 0; i < 4; ++i)
        step(i) = original[i];
    project.notifyStepsChanged();
    focusRow(0);
    for (int r = 0; r < 19; ++r)
        press(r, Qt::Key_Down);
    for (int r = 19; r > 0; --r)
        press(r, Qt::Key_Up);
    focusRow(3);
    focusRow(2);
    // Typed and taken back: still the same step, its comment's case included.
    focusRow(1);
    QTest::keyClick(row(1), Qt::Key_End);
    QTest::keyClick(row(1), Qt::Key_X);
    QTest::keyClick(row(1), Qt::Key_Backspace);
    focusRow(2);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(step(i), original[i]) << i;
    EXPECT_TRUE(messages.empty());
}

TEST_F(InstrEditorTest, EditedRowsKeepTheirComments)
{
    setSteps({{3, {"LD", "X0", "note"}}, {4, {"", "", "only"}}, {5, {"LD", "X0", "keep"}}});
    focusRow(3);
    QTest::keyClick(row(3), Qt::Key_Home);
    for (int i = 0; i < 8; ++i)
        QTest::keyClick(row(3), Qt::Key_Right);
    QTest::keyClick(row(3), Qt::Key_Delete);
    QTest::keyClicks(row(3), "1");
    press(3, Qt::Key_Down);
    EXPECT_EQ(step(3), (Step{"LD", "X1", "note"}));
    QTest::keyClick(row(4), Qt::Key_Home);
    QTest::keyClicks(row(4), "anb");
    press(4, Qt::Key_Down);
    EXPECT_EQ(step(4), (Step{"ANB", "", "only"}));
    // A row of blanks empties the step but keeps its comment.
    typeInto(5, "   ");
    focusRow(0);
    EXPECT_EQ(step(5), (Step{"", "", "keep"}));
    EXPECT_EQ(row(5)->text(), "    'keep");
}

TEST_F(InstrEditorTest, InsertAndDeleteStepsAtTheCurrentStep)
{
    for (int i = 0; i < 5; ++i)
        step(i) = {"LD", QStringLiteral("X%1").arg(i), ""};
    project.notifyStepsChanged();
    focusRow(2);
    editor->insertIns();
    EXPECT_TRUE(step(2).isEmpty());
    EXPECT_EQ(row(3)->text(), "LD     X2");
    editor->deleteIns();
    EXPECT_EQ(row(2)->text(), "LD     X2");
    EXPECT_EQ(row(5)->text(), "");

    step(998) = {"LD", "X0", ""};
    step(999) = {"END", "", "last"};
    editor->showStep(980);
    focusRow(19);
    editor->insertIns();
    EXPECT_TRUE(step(999).isEmpty());
    EXPECT_TRUE(step(1000).isEmpty());
    step(999) = {"END", "", ""};
    editor->deleteIns();
    EXPECT_TRUE(step(999).isEmpty());
    EXPECT_EQ(step(998), (Step{"LD", "X0", ""}));
}

TEST_F(InstrEditorTest, BlockMarksAndStateChangesKeepTypedText)
{
    typeInto(6, "ld x3");
    ProgramStore& store = project.program();
    store.blockStart = 2;
    store.blockEnd = 4;
    project.notifyStateChanged();
    for (int r = 0; r < 8; ++r)
        EXPECT_EQ(mark(r)->text(), (r >= 2 && r <= 4) ? "*" : "") << r;
    store.blockStart = -1; // only the tail set: every step up to it is marked
    project.notifyStateChanged();
    for (int r = 0; r < 8; ++r)
        EXPECT_EQ(mark(r)->text(), r <= 4 ? "*" : "") << r;
    EXPECT_EQ(row(6)->text(), "ld x3");
    editor->commitEdits();
    EXPECT_EQ(step(6), (Step{"LD", "X3", ""}));
}

TEST_F(InstrEditorTest, FocusedRowIsHighlightedAndLabelsFocusTheirRow)
{
    const QPalette app = editor->palette();
    QTest::mouseClick(stepLabel(3), Qt::LeftButton);
    EXPECT_TRUE(row(3)->hasFocus());
    EXPECT_EQ(project.program().curStep, 3);
    EXPECT_EQ(row(3)->palette().color(QPalette::Base), app.color(QPalette::Highlight));
    EXPECT_EQ(mark(3)->palette().color(QPalette::WindowText), app.color(QPalette::HighlightedText));
    focusRow(5);
    EXPECT_EQ(row(3)->palette().color(QPalette::Base), app.color(QPalette::Window));
    EXPECT_EQ(stepLabel(3)->palette().color(QPalette::Window), app.color(QPalette::Window));
}

TEST(InstrEditorWindow, KeepsItsNormalSizeUnlessMaximisedAndReportsClosing)
{
    Project project;
    QMdiArea area;
    area.resize(1000, 800);
    auto* editor = new InstrEditor(project);
    QMdiSubWindow* sub = area.addSubWindow(editor);
    area.show();
    sub->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));
    EXPECT_EQ(sub->size(), QSize(600, 427));
    sub->resize(700, 500);
    EXPECT_EQ(sub->size(), QSize(600, 427));
    auto* last = editor->findChild<QLineEdit*>(QStringLiteral("txtIns_19"));
    EXPECT_LE(last->geometry().bottom(), editor->height()); // all twenty rows fit
    sub->showMaximized();
    EXPECT_EQ(sub->size(), area.viewport()->size());
    sub->showNormal();

    // Switching to another subwindow leaves the row, which commits it.
    QMdiSubWindow* other = area.addSubWindow(new QLineEdit);
    other->show();
    area.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
    area.setActiveSubWindow(sub);
    auto* first = editor->findChild<QLineEdit*>(QStringLiteral("txtIns_0"));
    QTest::mouseClick(first, Qt::LeftButton);
    QTest::keyClicks(first, "end");
    area.setActiveSubWindow(other);
    EXPECT_EQ(project.program().step(0).ins, "END");

    QSignalSpy closed(editor, &InstrEditor::closed);
    sub->close();
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(InstrEditorTest, DefaultSinkShowsABoxWithTheApplicationTitle)
{
    editor->setMessageSink(messageBoxSink());
    QString title;
    QString button;
    QString text;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            button = box->button(QMessageBox::Ok)->text();
            text = box->text();
            box->accept();
        }
    });
    closer.start(20);
    typeInto(0, "mov d700");
    QTest::mouseClick(row(1), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !text.isEmpty(); }));
    EXPECT_EQ(text, "错误的指令MOV");
    EXPECT_EQ(title, "Ladrix 2.0 简体中文版");
    EXPECT_EQ(button, "确定");
    EXPECT_TRUE(step(0).isEmpty());
    EXPECT_EQ(editor->focusWidget(), row(1));
}
