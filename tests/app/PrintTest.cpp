#include "AppFixture.h"

#include "app/InsListPrintout.h"
#include "app/LadderPrintout.h"
#include "app/PrintDialog.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
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

bool hasPicture(const QList<LadderPrintItem>& items, int code, qreal x, qreal y)
{
    return items.contains(LadderPrintItem{LadderPrintItem::Picture, code, QRectF(x, y, 0, 0), {}});
}

const QDateTime kPrintedAt(QDate(2026, 3, 1), QTime(9, 5, 7));

TEST(LadderPrintoutTest, CellsAreDrawnAtTheirPlacesWithCentredLabels)
{
    LadderGrid grid;
    grid.cell(GridPos::at(1, 2).index) =
        Cell{kContact, kPlainEdge, kLinkDown, QStringLiteral("X0"), {}};
    grid.cell(GridPos::at(1, 9).index) =
        Cell{kCoil, kPlainEdge, kPlainEdge, QStringLiteral("T50"), QStringLiteral("K100")};
    const LadderPrintout printout(QStringLiteral("泵站"), grid, kPrintedAt);
    EXPECT_EQ(printout.pageCount(), LadderPrintout::kMaxPages);
    const QList<LadderPrintItem> page = printout.page(0);
    const qreal y = 1500 + 555;
    const qreal x = 1900 + 810 * 2;
    EXPECT_TRUE(hasPicture(page, kPlainEdge, x, y + 270));
    EXPECT_TRUE(hasPicture(page, kContact, x + 15, y));
    EXPECT_TRUE(hasPicture(page, kLinkDown, x + 795, y + 270));
    EXPECT_TRUE(page.contains(
        LadderPrintItem{LadderPrintItem::Text, 0, QRectF(x + 30, y + 15, 780, 165), "X0"}));
    const qreal coilX = 1900 + 810 * 9;
    EXPECT_TRUE(page.contains(
        LadderPrintItem{LadderPrintItem::Text, 0, QRectF(coilX + 30, y + 390, 780, 165), "K100"}));
    // Both power rails beside every row.
    EXPECT_TRUE(hasPicture(page, kLinkDown, 10000, 1500 + 555 * 24));
    EXPECT_TRUE(hasPicture(page, kLinkDown, 1900, 1500));
    QStringList texts;
    for (const LadderPrintItem& item : page)
        texts.append(item.text);
    EXPECT_TRUE(texts.contains(QStringLiteral("工程名称:泵站")));
    EXPECT_TRUE(texts.contains(QStringLiteral("打印时间09:05:072026-03-01")));
    EXPECT_TRUE(texts.contains(QStringLiteral("页码: 1")));
}

TEST(LadderPrintoutTest, EndBoxEndsThePrintoutAtItsCell)
{
    LadderGrid grid;
    grid.cell(GridPos::at(30, 9).index) =
        Cell{kFunctionBox, kPlainEdge, kPlainEdge, {}, QStringLiteral(" end ")};
    grid.cell(GridPos::at(31, 0).index) = Cell{kContact, kPlainEdge, kPlainEdge, "X1", {}};
    const LadderPrintout printout(QString(), grid, kPrintedAt);
    ASSERT_EQ(printout.pageCount(), 2);
    const QList<LadderPrintItem> last = printout.page(1);
    const qreal y = 1500 + 555 * 5;
    EXPECT_TRUE(hasPicture(last, kFunctionBox, 1900 + 810 * 9 + 15, y));
    EXPECT_TRUE(hasPicture(last, kLinkDown, 1900 + 810 * 10, y));
    EXPECT_FALSE(hasPicture(last, kContact, 1900 + 15, y + 555));
    EXPECT_EQ(last.last().text, QStringLiteral("页码: 2"));
}

TEST(LadderPrintoutTest, PaintsEveryPictureWithoutFault)
{
    LadderGrid grid;
    const qint16 codes[] = {kContact, kClosedContact, kCoil, kFunctionBox, kLine, kStepContact};
    for (int c = 0; c < 6; ++c)
        grid.cell(c) = Cell{codes[c], kPlainEdge, kLinkDown, "M100", "END"};
    const LadderPrintout printout(QStringLiteral("x"), grid, kPrintedAt);
    QImage image(827, 1169, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    printout.paintPage(painter, 0, 827.0 / 11906);
    painter.end();
    int dark = 0;
    for (int y = 100; y < 200; ++y)
        for (int x = 0; x < 827; ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(dark, 200);
}

using PrintDialogTest = AppFixture;

int pdfPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression pageObject(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(QString::fromLatin1(file.readAll()).count(pageObject));
}

void clickOption(PrintDialog& dialog, const char* name)
{
    auto* option = dialog.findChild<QRadioButton*>(QString::fromLatin1(name));
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

TEST_F(PrintDialogTest, PrintsTheInstructionListAndStaysOpen)
{
    project.program() = programEndingAt(200);
    PrintDialog dialog(project, prompts, window.get());
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
    EXPECT_EQ(pdfPages(pdf), 2);
}

TEST_F(PrintDialogTest, LadderChoicePrintsTheLadderUpToItsEnd)
{
    project.grid().cell(GridPos::at(30, 9).index) =
        Cell{kFunctionBox, kPlainEdge, kPlainEdge, {}, QStringLiteral("END")};
    PrintDialog dialog(project, prompts, window.get());
    dialog.show();
    clickOption(dialog, "optPrint_1");
    dialog.printer().setOutputFileName(path(QStringLiteral("ladder.pdf")));
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(pdfPages(path(QStringLiteral("ladder.pdf"))), 2);
}

TEST_F(PrintDialogTest, PrinterFailureIsReportedAndThePrinterUsableAgain)
{
    PrintDialog dialog(project, prompts, window.get());
    dialog.show();
    dialog.printer().setOutputFileName(path(QStringLiteral("no/such/folder/x.pdf")));
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(prompts.messages[0].text.contains(QStringLiteral("打印")));

    dialog.printer().setOutputFileName(path(QStringLiteral("again.pdf")));
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    EXPECT_EQ(prompts.messages.size(), 1);
    // Without an END step the whole model's range is printed.
    EXPECT_EQ(pdfPages(path(QStringLiteral("again.pdf"))), 6);
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
