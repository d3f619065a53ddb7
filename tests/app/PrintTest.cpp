#include "AppFixture.h"

#include "app/InsListPrintout.h"
#include "app/PrintDialog.h"

#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>

namespace ladrix::test {
namespace {

bool shows(const QList<PrintText>& page, qreal x, qreal y, const QString& text)
{
    return page.contains(PrintText{{x, y}, text});
}

QStringList textsOf(const QList<PrintText>& page)
{
    QStringList texts;
    for (const PrintText& t : page)
        texts.append(t.text);
    return texts;
}

ProgramStore programEndingAt(int end, int plcType = 0)
{
    ProgramStore store;
    store.plcType = plcType;
    store.projectName = QStringLiteral("泵站");
    for (int i = 0; i < end; ++i)
        store.step(i) = Step{QStringLiteral("LD"), QStringLiteral("X%1").arg(i % 8), {}};
    store.step(end) = Step{QStringLiteral("END"), {}, QStringLiteral("not printed")};
    return store;
}

TEST(InsListPrintoutTest, ProgramEndingAtStep100FitsOnePage)
{
    const ProgramStore store = programEndingAt(100);
    const InsListPrintout printout(store);
    ASSERT_EQ(printout.pageCount(), 1);
    const QList<PrintText> page = printout.page(0);
    EXPECT_TRUE(shows(page, 5, 5, QStringLiteral("文件名泵站")));
    EXPECT_TRUE(shows(page, 5, 13, QStringLiteral("步序")));
    EXPECT_TRUE(shows(page, 5 + 52 * 3 + 24, 13, QStringLiteral("数据")));
    EXPECT_TRUE(shows(page, 6, 19, QStringLiteral("000")));
    EXPECT_TRUE(shows(page, 18, 19, QStringLiteral("LD")));
    EXPECT_TRUE(shows(page, 30, 19, QStringLiteral("X0")));
    // Step 100 is line 14 of the third column.
    EXPECT_TRUE(shows(page, 110, 13 + 6 * 15, QStringLiteral("100")));
    EXPECT_TRUE(shows(page, 122, 13 + 6 * 15, QStringLiteral("END")));
    EXPECT_FALSE(textsOf(page).contains(QStringLiteral("101")));
    EXPECT_FALSE(textsOf(page).contains(QStringLiteral("not printed")));
    EXPECT_TRUE(shows(page, 190, 290, QStringLiteral("PAGE:1/1")));
}

TEST(InsListPrintoutTest, PagesFollowEachOtherWithoutRepeatingSteps)
{
    const ProgramStore at168 = programEndingAt(168);
    EXPECT_EQ(InsListPrintout(at168).pageCount(), 1);

    const ProgramStore at172 = programEndingAt(172);
    const InsListPrintout printout(at172);
    ASSERT_EQ(printout.pageCount(), 2);
    EXPECT_TRUE(shows(printout.page(0), 6 + 52 * 3, 13 + 6 * 43, QStringLiteral("171")));
    const QList<PrintText> second = printout.page(1);
    EXPECT_TRUE(shows(second, 6, 19, QStringLiteral("172")));
    EXPECT_FALSE(textsOf(second).contains(QStringLiteral("171")));
    EXPECT_TRUE(shows(second, 190, 290, QStringLiteral("PAGE:2/2")));
}

TEST(InsListPrintoutTest, EdgesOfTheStepRange)
{
    const ProgramStore onlyEnd = programEndingAt(0);
    const InsListPrintout first(onlyEnd);
    EXPECT_EQ(first.pageCount(), 1);
    EXPECT_TRUE(textsOf(first.page(0)).contains(QStringLiteral("END")));

    ProgramStore noEnd;
    EXPECT_EQ(InsListPrintout(noEnd).lastStep(), 999);
    EXPECT_EQ(InsListPrintout(noEnd).pageCount(), 6);

    const ProgramStore big = programEndingAt(1500, 1);
    const InsListPrintout wide(big);
    EXPECT_EQ(wide.pageCount(), 9);
    EXPECT_TRUE(textsOf(wide.page(7)).contains(QStringLiteral("1234")));

    const ProgramStore atEnd = programEndingAt(0);
    EXPECT_EQ(InsListPrintout(atEnd, false).lastStep(), 999);
}

using PrintDialogTest = AppFixture;

void clickOption(PrintDialog& dialog, const char* name)
{
    auto* option = dialog.findChild<QRadioButton*>(QString::fromLatin1(name));
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

TEST_F(PrintDialogTest, PrintsTheInstructionListAndStaysOpen)
{
    project.program() = programEndingAt(200);
    PrintDialog dialog(project.program(), prompts, window.get());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("打印设置"));
    EXPECT_TRUE(dialog.findChild<QRadioButton*>(QStringLiteral("optPrint_0"))->isChecked());
    EXPECT_TRUE(dialog.findChild<QLabel*>(QStringLiteral("labPrint"))
                    ->text()
                    .startsWith(QStringLiteral("系统默认打印机: ")));

    const QString pdf = path(QStringLiteral("list.pdf"));
    dialog.printer().setOutputFileName(pdf);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_TRUE(dialog.isVisible());
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    const QRegularExpression pageObject(QStringLiteral("/Type\\s*/Page[^s]"));
    EXPECT_EQ(QString::fromLatin1(bytes).count(pageObject), 2);
}

TEST_F(PrintDialogTest, LadderChoiceAndPrinterFailureAreReported)
{
    PrintDialog dialog(project.program(), prompts, window.get());
    dialog.show();
    clickOption(dialog, "optPrint_1");
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].text.contains(QStringLiteral("打印梯形图")));

    clickOption(dialog, "optPrint_0");
    dialog.printer().setOutputFileName(path(QStringLiteral("no/such/folder/x.pdf")));
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    ASSERT_EQ(prompts.messages.size(), 2);
    EXPECT_EQ(prompts.messages[1].icon, QMessageBox::Warning);
    EXPECT_TRUE(prompts.messages[1].text.contains(QStringLiteral("打印")));

    // The failure leaves a printer that can be set up and used again.
    dialog.printer().setOutputFileName(path(QStringLiteral("again.pdf")));
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    EXPECT_EQ(prompts.messages.size(), 2);
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("again.pdf"))));
}

TEST_F(PrintDialogTest, PrintItemAndButtonOpenTheDialog)
{
    newProject();
    choose("mnuFPrint");
    clickTool("mnuFPrint");
    EXPECT_EQ(prompts.dialogsRun, (QStringList{"frmNew", "frmPrint", "frmPrint"}));
}

} // namespace
} // namespace ladrix::test
