#include "EditorFixture.h"

#include "core/StepEditing.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>

using namespace ladrix;

namespace {

class InstrEditorTest : public EditorFixture {};

} // namespace

TEST_F(InstrEditorTest, ShowsTwentyLabelledRowsOfTheFirstModel)
{
    EXPECT_EQ(editor->objectName(), "frmInstr");
    EXPECT_EQ(editor->windowTitle(), "指令表编辑器");
    step(0) = {"LD", "X0", ""};
    step(1) = {"OUT", "T050", "delay"};
    step(2) = {"", "", "note"};
    step(19) = {"END", "", ""};
    project.notifyStepsChanged();
    for (int r = 0; r < InstrEditor::kRows; ++r) {
        ASSERT_NE(row(r), nullptr);
        EXPECT_EQ(stepLabel(r)->text(), QStringLiteral("%1").arg(r, 4, 10, QChar(u'0')));
        EXPECT_EQ(mark(r)->text(), "");
    }
    EXPECT_EQ(row(0)->text(), "LD     X0");
    EXPECT_EQ(row(1)->text(), "OUT    T050  'delay");
    EXPECT_EQ(row(2)->text(), "    'note");
    EXPECT_EQ(row(3)->text(), "");
    EXPECT_EQ(row(19)->text(), "END    ");
    QScrollBar* vsc = editor->scrollBar();
    EXPECT_EQ(vsc->objectName(), "Vsc");
    EXPECT_EQ(vsc->minimum(), 0);
    EXPECT_EQ(vsc->maximum(), 980);
    EXPECT_EQ(vsc->singleStep(), 1);
    EXPECT_EQ(vsc->pageStep(), 20);
}

TEST_F(InstrEditorTest, SecondModelScrollsToItsLastPage)
{
    project.program().plcType = 1;
    project.notifyStateChanged();
    EXPECT_EQ(editor->scrollBar()->maximum(), 1980);
    step(1999) = {"END", "", ""};
    editor->showStep(1999);
    EXPECT_EQ(editor->topStep(), 1980);
    EXPECT_EQ(stepLabel(0)->text(), "1980");
    EXPECT_EQ(stepLabel(19)->text(), "1999");
    EXPECT_EQ(row(19)->text(), "END    ");

    // Back to the first model: the page is clamped to its range.
    project.program().plcType = 0;
    project.notifyStateChanged();
    EXPECT_EQ(editor->topStep(), 980);
    EXPECT_EQ(stepLabel(19)->text(), "0999");
}

TEST_F(InstrEditorTest, ArrowKeysStopAtTheEndsOfTheRange)
{
    focusRow(0);
    press(0, Qt::Key_Up);
    EXPECT_EQ(editor->topStep(), 0);
    EXPECT_TRUE(row(0)->hasFocus());

    editor->showStep(980);
    focusRow(19);
    EXPECT_EQ(project.program().curStep, 999);
    press(19, Qt::Key_Down);
    EXPECT_EQ(editor->topStep(), 980);
    EXPECT_TRUE(row(19)->hasFocus());
    press(19, Qt::Key_Return);
    EXPECT_EQ(editor->topStep(), 980);

    // Up in a lower row moves the focus without scrolling.
    press(19, Qt::Key_Up);
    EXPECT_TRUE(row(18)->hasFocus());
    EXPECT_EQ(editor->topStep(), 980);
    EXPECT_EQ(project.program().curStep, 998);
}

TEST_F(InstrEditorTest, EnterInLastRowStoresTheLineAndScrollsOneStep)
{
    step(20) = {"OUT", "Y30", ""};
    project.notifyStepsChanged();
    typeInto(19, "ld x0 'start");
    press(19, Qt::Key_Return);
    EXPECT_EQ(step(19), (Step{"LD", "X0", "start"}));
    EXPECT_EQ(editor->topStep(), 1);
    EXPECT_TRUE(row(19)->hasFocus());
    EXPECT_EQ(row(18)->text(), "LD     X0  'start");
    EXPECT_EQ(row(19)->text(), "OUT    Y30");
    EXPECT_EQ(stepLabel(19)->text(), "0020");
    // The current step follows the focused row, which now shows step 20.
    EXPECT_EQ(project.program().curStep, 20);
    EXPECT_TRUE(messages.empty());
}

TEST_F(InstrEditorTest, UpInFirstRowScrollsAndLosesTheTypedText)
{
    step(4) = {"LD", "X1", ""};
    step(5) = {"LD", "X2", ""};
    project.notifyStepsChanged();
    editor->showStep(5);
    typeInto(0, "out y31");
    press(0, Qt::Key_Up);
    EXPECT_EQ(editor->topStep(), 4);
    EXPECT_TRUE(row(0)->hasFocus());
    EXPECT_EQ(row(0)->text(), "LD     X1");
    EXPECT_EQ(row(1)->text(), "LD     X2");
    EXPECT_EQ(step(5), (Step{"LD", "X2", ""}));
    // Leaving the row now commits nothing: the typed text is gone.
    focusRow(3);
    EXPECT_EQ(step(4), (Step{"LD", "X1", ""}));
}

TEST_F(InstrEditorTest, EnterAndDownMoveToTheNextRowAndCommit)
{
    typeInto(2, "OUT y30");
    press(2, Qt::Key_Enter);
    EXPECT_TRUE(row(3)->hasFocus());
    EXPECT_EQ(step(2), (Step{"OUT", "Y30", ""}));
    EXPECT_EQ(row(2)->text(), "OUT    Y30");
    EXPECT_EQ(project.program().curStep, 3);
    typeInto(3, "ld m100");
    press(3, Qt::Key_Down);
    EXPECT_TRUE(row(4)->hasFocus());
    EXPECT_EQ(step(3), (Step{"LD", "M100", ""}));
    EXPECT_FALSE(row(3)->text().contains(u'\n'));
}

TEST_F(InstrEditorTest, RefusedLinesShowTheMessageAndKeepTheOldStep)
{
    struct Case {
        const char* line;
        QString title;
        QString text;
    };
    const QString app = QStringLiteral("Ladrix 2.0 简体中文版");
    const Case cases[] = {
        {"mov d700", app, QStringLiteral("错误的指令MOV")},
        {"ld x28", app, QStringLiteral("无效的器件号x28")},
        {"ld x18", app, QStringLiteral("无效的器件号x18")},
        {"out x0", app, QStringLiteral("指令OUT不支持X")},
        {"ld d700", app, QStringLiteral("指令LD不支持D")},
        {"ld x99999", QStringLiteral("错误 6"), QString()},
    };
    step(7) = {"LD", "X0", "old"};
    project.notifyStepsChanged();
    for (const Case& c : cases) {
        messages.clear();
        typeInto(7, QString::fromUtf8(c.line));
        focusRow(8);
        ASSERT_TRUE(QTest::qWaitFor([&] { return messages.size() == 1; }));
        EXPECT_EQ(messages[0].title, c.title) << c.line;
        if (!c.text.isEmpty()) {
            EXPECT_EQ(messages[0].text, c.text) << c.line;
        }
        EXPECT_EQ(step(7), (Step{"LD", "X0", "old"})) << c.line;
        EXPECT_EQ(row(7)->text(), "LD     X0  'old") << c.line;
    }
    EXPECT_TRUE(row(8)->hasFocus());
    EXPECT_EQ(project.program().curStep, 8);
}

TEST_F(InstrEditorTest, TooManyOperandsIsReportedAsARuntimeError)
{
    QStringList operands;
    for (int i = 0; i < 300; ++i)
        operands << QStringLiteral("x%1").arg(i % 8);
    focusRow(0);
    row(0)->setText(QStringLiteral("ld ") + operands.join(u','));
    row(0)->setModified(true);
    focusRow(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return messages.size() == 1; }));
    EXPECT_EQ(messages[0].title, "错误 9");
    EXPECT_TRUE(step(0).isEmpty());
}

TEST_F(InstrEditorTest, LeavingUneditedRowsNeverChangesSteps)
{
    // Texts a line parser would not give back as they are: comment-only, upper-case or padded
    // comments, blanks after a mnemonic, a lower-case operand from a file.
    const Step original[] = {
        {"", "", "Only A Comment"},
        {"LD ", "x0", "  Start Motor "},
        {"OUT", "T050", "'quoted"},
        {"K", "10", ""},
        {"", "", " "},
        {"END", "", "程序结束"},
    };
    for (int i = 0; i < 6; ++i)
        step(i) = original[i];
    project.notifyStepsChanged();
    focusRow(0);
    for (int r = 0; r < 19; ++r)
        press(r, Qt::Key_Down);
    for (int r = 19; r > 0; --r)
        press(r, Qt::Key_Up);
    focusRow(5);
    focusRow(2);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(step(i), original[i]) << i;
    EXPECT_TRUE(messages.empty());
}

TEST_F(InstrEditorTest, EditedRowKeepsItsComment)
{
    step(3) = {"LD", "X0", "note"};
    step(4) = {"", "", "only"};
    project.notifyStepsChanged();
    focusRow(3);
    QTest::keyClick(row(3), Qt::Key_Home);
    for (int i = 0; i < 8; ++i)
        QTest::keyClick(row(3), Qt::Key_Right);
    QTest::keyClick(row(3), Qt::Key_Delete);
    QTest::keyClicks(row(3), "1");
    EXPECT_EQ(row(3)->text(), "LD     X1  'note");
    press(3, Qt::Key_Down);
    EXPECT_EQ(step(3), (Step{"LD", "X1", "note"}));

    // Typing a mnemonic in front of a comment-only row keeps the comment too.
    QTest::keyClick(row(4), Qt::Key_Home);
    QTest::keyClicks(row(4), "anb");
    press(4, Qt::Key_Down);
    EXPECT_EQ(step(4), (Step{"ANB", "", "only"}));
    EXPECT_EQ(row(4)->text(), "ANB      'only");
}

TEST_F(InstrEditorTest, BlankRowEmptiesTheStepButKeepsItsComment)
{
    step(2) = {"LD", "X0", "keep"};
    project.notifyStepsChanged();
    typeInto(2, "   ");
    focusRow(0);
    EXPECT_EQ(step(2), (Step{"", "", "keep"}));
    EXPECT_EQ(row(2)->text(), "    'keep");
}

TEST_F(InstrEditorTest, InsertKeyThrowsAwayTypedText)
{
    step(1) = {"LD", "X0", ""};
    project.notifyStepsChanged();
    typeInto(1, "ld x7");
    press(1, Qt::Key_Insert);
    EXPECT_EQ(row(1)->text(), "LD     X0");
    focusRow(5);
    EXPECT_EQ(step(1), (Step{"LD", "X0", ""}));
}

TEST_F(InstrEditorTest, InsertAndDeleteStepsAtTheCurrentStep)
{
    for (int i = 0; i < 5; ++i)
        step(i) = {"LD", QStringLiteral("X%1").arg(i), ""};
    project.notifyStepsChanged();
    focusRow(2);
    editor->insertIns();
    EXPECT_TRUE(step(2).isEmpty());
    EXPECT_EQ(step(3).data, "X2");
    EXPECT_EQ(row(3)->text(), "LD     X2");
    EXPECT_EQ(row(2)->text(), "");
    editor->deleteIns();
    EXPECT_EQ(step(2).data, "X2");
    EXPECT_EQ(row(2)->text(), "LD     X2");
    EXPECT_EQ(row(4)->text(), "LD     X4");
    EXPECT_EQ(row(5)->text(), "");
}

TEST_F(InstrEditorTest, InsertAndDeleteAtTheLastStepOnlyEmptyIt)
{
    step(998) = {"LD", "X0", ""};
    step(999) = {"END", "", "last"};
    editor->showStep(980);
    focusRow(19);
    ASSERT_EQ(project.program().curStep, 999);
    editor->insertIns();
    EXPECT_TRUE(step(999).isEmpty());
    EXPECT_EQ(step(998), (Step{"LD", "X0", ""}));
    EXPECT_TRUE(step(1000).isEmpty());
    step(999) = {"END", "", ""};
    editor->deleteIns();
    EXPECT_TRUE(step(999).isEmpty());
    EXPECT_EQ(step(998), (Step{"LD", "X0", ""}));
    EXPECT_EQ(row(19)->text(), "");
}

TEST_F(InstrEditorTest, BlockMarksFollowTheMarks)
{
    ProgramStore& store = project.program();
    store.blockStart = 2;
    store.blockEnd = 4;
    project.notifyStateChanged();
    for (int r = 0; r < 8; ++r)
        EXPECT_EQ(mark(r)->text(), (r >= 2 && r <= 4) ? "*" : "") << r;
    // With only the tail set, every step up to it is marked.
    store.blockStart = -1;
    store.blockEnd = 3;
    project.notifyStateChanged();
    for (int r = 0; r < 8; ++r)
        EXPECT_EQ(mark(r)->text(), r <= 3 ? "*" : "") << r;
    clearBlock(store);
    project.notifyStateChanged();
    for (int r = 0; r < InstrEditor::kRows; ++r)
        EXPECT_EQ(mark(r)->text(), "") << r;
}

TEST_F(InstrEditorTest, StateChangesKeepTypedTextButStepChangesDiscardIt)
{
    typeInto(6, "ld x3");
    project.program().blockEnd = 6;
    project.notifyStateChanged();
    EXPECT_EQ(row(6)->text(), "ld x3");
    EXPECT_EQ(mark(6)->text(), "*");
    step(10) = {"LD", "X5", ""};
    project.notifyStepsChanged();
    EXPECT_EQ(row(10)->text(), "LD     X5");
    EXPECT_EQ(row(6)->text(), "");
}

TEST_F(InstrEditorTest, CommitEditsStoresTheFocusedRow)
{
    typeInto(4, "out y30");
    editor->commitEdits();
    EXPECT_EQ(step(4), (Step{"OUT", "Y30", ""}));
    EXPECT_TRUE(row(4)->hasFocus());
}

TEST_F(InstrEditorTest, FocusedRowIsHighlighted)
{
    const QPalette app = editor->palette();
    focusRow(3);
    EXPECT_EQ(row(3)->palette().color(QPalette::Base), app.color(QPalette::Highlight));
    EXPECT_EQ(row(3)->palette().color(QPalette::Text), app.color(QPalette::HighlightedText));
    EXPECT_EQ(stepLabel(3)->palette().color(QPalette::Window), app.color(QPalette::Highlight));
    EXPECT_EQ(mark(3)->palette().color(QPalette::WindowText), app.color(QPalette::HighlightedText));
    EXPECT_EQ(row(2)->palette().color(QPalette::Base), app.color(QPalette::Window));
    focusRow(5);
    EXPECT_EQ(row(3)->palette().color(QPalette::Base), app.color(QPalette::Window));
    EXPECT_EQ(stepLabel(3)->palette().color(QPalette::Window), app.color(QPalette::Window));
    EXPECT_EQ(row(5)->palette().color(QPalette::Base), app.color(QPalette::Highlight));
}

TEST_F(InstrEditorTest, ClickOnStepLabelFocusesItsRow)
{
    QSignalSpy state(&project, &Project::stateChanged);
    QTest::mouseClick(stepLabel(7), Qt::LeftButton);
    EXPECT_TRUE(row(7)->hasFocus());
    EXPECT_EQ(project.program().curStep, 7);
    EXPECT_GE(state.count(), 1);
}

TEST_F(InstrEditorTest, ScrollBarMovesThePageAndTheCurrentStep)
{
    focusRow(0);
    editor->scrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(editor->topStep(), 20);
    EXPECT_EQ(stepLabel(0)->text(), "0020");
    EXPECT_EQ(project.program().curStep, 20);
    editor->scrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(stepLabel(0)->text(), "0019");
    editor->showStep(-5);
    EXPECT_EQ(editor->topStep(), 0);
    editor->showStep(990);
    EXPECT_EQ(editor->topStep(), 980);
}

TEST_F(InstrEditorTest, KeepsItsNormalSizeAndReportsClosing)
{
    EXPECT_EQ(editor->size(), InstrEditor::normalWindowSize());
    editor->resize(300, 200);
    EXPECT_EQ(editor->size(), QSize(600, 427));
    QSignalSpy closed(editor.get(), &InstrEditor::closed);
    editor->close();
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(InstrEditorTest, LongRowsShowTheirStartAndColumnsLineUp)
{
    step(9) = {"OUT", "M100", QString(80, u'W')};
    project.notifyStepsChanged();
    EXPECT_EQ(row(9)->cursorPosition(), 0);
    // Latin letters and digits share one width, so the blank-filled columns line up.
    const QFontMetrics fm(row(0)->font());
    EXPECT_EQ(fm.horizontalAdvance(QStringLiteral("W")), fm.horizontalAdvance(QStringLiteral("i")));
    EXPECT_EQ(fm.horizontalAdvance(QStringLiteral("LDI  ")),
              fm.horizontalAdvance(QStringLiteral("OUT00")));
    EXPECT_DOUBLE_EQ(row(0)->font().pointSizeF(), 10.5);
}

TEST(InstrEditorWindow, SubwindowKeepsNormalSizeUnlessMaximised)
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
    sub->showMaximized();
    EXPECT_EQ(sub->size(), area.viewport()->size());
    // All twenty rows fit inside the subwindow.
    sub->showNormal();
    auto* last = editor->findChild<QLineEdit*>(QStringLiteral("txtIns_19"));
    EXPECT_LE(last->geometry().bottom(), editor->height());
    QSignalSpy closed(editor, &InstrEditor::closed);
    sub->close();
    EXPECT_EQ(closed.count(), 1);
}

TEST(InstrEditorWindow, DefaultSinkShowsABoxWithTheApplicationTitle)
{
    Project project;
    InstrEditor editor(project);
    editor.show();
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    QString title;
    QString text;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            text = box->text();
            box->accept();
        }
    });
    closer.start(20);
    auto* first = editor.findChild<QLineEdit*>(QStringLiteral("txtIns_0"));
    auto* second = editor.findChild<QLineEdit*>(QStringLiteral("txtIns_1"));
    QTest::mouseClick(first, Qt::LeftButton);
    QTest::keyClicks(first, "mov d700");
    QTest::mouseClick(second, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !text.isEmpty(); }));
    EXPECT_EQ(text, "错误的指令MOV");
    EXPECT_EQ(title, "Ladrix 2.0 简体中文版");
    EXPECT_TRUE(project.program().step(0).isEmpty());
}
