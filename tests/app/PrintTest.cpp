#include "AppFixture.h"

#include "app/InsListPrintout.h"
#include "app/LadderPrintout.h"
#include "app/PrintDialog.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>

namespace ladrix::test {
namespace {

bool shows(const QList<PrintText>& page, qreal x, qreal y, const QString& text)
{
    return page.contains(PrintText{{x, y}, text});
}

template <typename Item> QStringList textsOf(const QList<Item>& page)
{
    QStringList texts;
    for (const Item& t : page)
        texts.append(t.text);
    return texts;
}

ProgramStore programEndingAt(int end, int plcType = 0)
{
    ProgramStore store;
    store.plcType = plcType;
    store.projectName = "泵站";
    for (int i = 0; i < end; ++i)
        store.step(i) = Step{"LD", QStringLiteral("X%1").arg(i % 8), {}};
    store.step(end) = Step{"END", {}, "not printed"};
    return store;
}

TEST(InsListPrintoutTest, ProgramEndingAtStep100FitsOnePage)
{
    const ProgramStore store = programEndingAt(100);
    const InsListPrintout printout(store);
    ASSERT_EQ(printout.pageCount(), 1);
    const QList<PrintText> page = printout.page(0);
    EXPECT_TRUE(shows(page, 5, 5, "文件名泵站"));
    EXPECT_TRUE(shows(page, 5, 13, "步序"));
    EXPECT_TRUE(shows(page, 5 + 52 * 3 + 24, 13, "数据"));
    EXPECT_TRUE(shows(page, 6, 19, "000"));
    EXPECT_TRUE(shows(page, 18, 19, "LD"));
    EXPECT_TRUE(shows(page, 30, 19, "X0"));
    // Step 100 is line 14 of the third column.
    EXPECT_TRUE(shows(page, 110, 13 + 6 * 15, "100"));
    EXPECT_TRUE(shows(page, 122, 13 + 6 * 15, "END"));
    EXPECT_FALSE(textsOf(page).contains("101"));
    EXPECT_FALSE(textsOf(page).contains("not printed"));
    EXPECT_TRUE(shows(page, 190, 290, "PAGE:1/1"));
}

TEST(InsListPrintoutTest, PagesFollowEachOtherWithoutRepeatingSteps)
{
    const ProgramStore at172 = programEndingAt(172);
    const InsListPrintout printout(at172);
    ASSERT_EQ(printout.pageCount(), 2);
    EXPECT_TRUE(shows(printout.page(0), 6 + 52 * 3, 13 + 6 * 43, "171"));
    const QList<PrintText> second = printout.page(1);
    EXPECT_TRUE(shows(second, 6, 19, "172"));
    EXPECT_FALSE(textsOf(second).contains("171"));
    EXPECT_TRUE(shows(second, 190, 290, "PAGE:2/2"));
}

TEST(InsListPrintoutTest, PageCountFollowsTheEndStepOrTheModelsRange)
{
    const struct {
        int end;
        int plcType;
        int pages;
        int page;
        const char* shown;
    } rows[] = {
        {0, 0, 1, 0, "END"}, {168, 0, 1, 0, "168"}, {172, 0, 2, 1, "172"}, {1500, 1, 9, 7, "1234"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.end);
        const ProgramStore store = programEndingAt(row.end, row.plcType);
        const InsListPrintout printout(store);
        EXPECT_EQ(printout.pageCount(), row.pages);
        EXPECT_TRUE(textsOf(printout.page(row.page)).contains(row.shown));
    }
    const ProgramStore noEnd;
    EXPECT_EQ(InsListPrintout(noEnd).lastStep(), 999);
    EXPECT_EQ(InsListPrintout(noEnd).pageCount(), 6);
    const ProgramStore onlyEnd = programEndingAt(0);
    EXPECT_EQ(InsListPrintout(onlyEnd, false).lastStep(), 999);
}

bool hasPicture(const QList<LadderPrintItem>& items, int code, qreal x, qreal y)
{
    return items.contains(LadderPrintItem{LadderPrintItem::Picture, code, QRectF(x, y, 0, 0), {}});
}

const QDateTime kPrintedAt(QDate(2026, 3, 1), QTime(9, 5, 7));

TEST(LadderPrintoutTest, CellsAreDrawnAtTheirPlacesWithCentredLabels)
{
    LadderGrid grid;
    grid.cell(GridPos::at(1, 2).index) = Cell{kContact, kPlainEdge, kLinkDown, "X0", {}};
    grid.cell(GridPos::at(1, 9).index) = Cell{kCoil, kPlainEdge, kPlainEdge, "T50", "K100"};
    const LadderPrintout printout("泵站", grid, kPrintedAt);
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
    for (const char* text : {"工程名称:泵站", "打印时间09:05:072026-03-01", "页码: 1"})
        EXPECT_TRUE(textsOf(page).contains(text)) << text;
}

TEST(LadderPrintoutTest, EndBoxEndsThePrintoutAtItsCell)
{
    LadderGrid grid;
    grid.cell(GridPos::at(30, 9).index) = Cell{kFunctionBox, kPlainEdge, kPlainEdge, {}, " end "};
    grid.cell(GridPos::at(31, 0).index) = Cell{kContact, kPlainEdge, kPlainEdge, "X1", {}};
    const LadderPrintout printout(QString(), grid, kPrintedAt);
    ASSERT_EQ(printout.pageCount(), 2);
    const QList<LadderPrintItem> last = printout.page(1);
    const qreal y = 1500 + 555 * 5;
    EXPECT_TRUE(hasPicture(last, kFunctionBox, 1900 + 810 * 9 + 15, y));
    EXPECT_TRUE(hasPicture(last, kLinkDown, 1900 + 810 * 10, y));
    EXPECT_FALSE(hasPicture(last, kContact, 1900 + 15, y + 555));
    EXPECT_EQ(last.last().text, u"页码: 2"_s);
}

TEST(LadderPrintoutTest, PaintsEveryPictureWithoutFault)
{
    LadderGrid grid;
    const qint16 codes[] = {kContact, kClosedContact, kCoil, kFunctionBox, kLine, kStepContact};
    for (int c = 0; c < 6; ++c)
        grid.cell(c) = Cell{codes[c], kPlainEdge, kLinkDown, "M100", "END"};
    const LadderPrintout printout("x", grid, kPrintedAt);
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

// Prints to a PDF by the dialog's OK button and counts its pages; -1 if none was written.
int printTo(PrintDialog& dialog, const QString& pdf)
{
    dialog.printer().setOutputFileName(pdf);
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    QFile file(pdf);
    static const QRegularExpression pageObject("/Type\\s*/Page[^s]");
    return file.open(QIODevice::ReadOnly)
               ? int(QString::fromLatin1(file.readAll()).count(pageObject))
               : -1;
}

TEST_F(PrintDialogTest, PrintsTheInstructionListAndStaysOpen)
{
    project.program() = programEndingAt(200);
    PrintDialog dialog(project, prompts, window.get());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), u"打印设置"_s);
    EXPECT_TRUE(dialog.findChild<QRadioButton*>("optPrint_0")->isChecked());
    EXPECT_TRUE(dialog.findChild<QLabel*>("labPrint")->text().startsWith("系统默认打印机: "));
    EXPECT_EQ(printTo(dialog, path("list.pdf")), 2);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(PrintDialogTest, LadderChoicePrintsTheLadderUpToItsEnd)
{
    project.grid().cell(GridPos::at(30, 9).index) =
        Cell{kFunctionBox, kPlainEdge, kPlainEdge, {}, "END"};
    PrintDialog dialog(project, prompts, window.get());
    dialog.show();
    auto* option = dialog.findChild<QRadioButton*>("optPrint_1");
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    EXPECT_EQ(printTo(dialog, path("ladder.pdf")), 2);
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(PrintDialogTest, PrinterFailureIsReportedAndThePrinterUsableAgain)
{
    PrintDialog dialog(project, prompts, window.get());
    dialog.show();
    EXPECT_EQ(printTo(dialog, path("no/such/folder/x.pdf")), -1);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(prompts.messages[0].text.contains("打印"));
    // Without an END step the whole model's range is printed.
    EXPECT_EQ(printTo(dialog, path("again.pdf")), 6);
    EXPECT_EQ(prompts.messages.size(), 1);
}

TEST_F(PrintDialogTest, FailedPrinterSetUpIsNoLongerShownAfterTheFailure)
{
    PrintDialog dialog(project, prompts, window.get());
    dialog.show();
    auto* label = dialog.findChild<QLabel*>("labPrint");
    const QString standard = label->text();
    const QString target = path("no/such/folder/x.pdf");
    dialog.printer().setOutputFileName(target);
    QTimer::singleShot(0, &dialog, [] {
        if (auto* setup = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            setup->done(QDialog::Accepted);
    });
    QTest::mouseClick(dialog.findChild<QPushButton*>("CmdConfig"), Qt::LeftButton);
    ASSERT_TRUE(label->text().endsWith(QDir::toNativeSeparators(target)))
        << label->text().toStdString();

    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    ASSERT_EQ(prompts.messages.size(), 1);
    // The set-up that failed is dropped, so the label names the default printer again.
    EXPECT_EQ(label->text(), standard);
}

} // namespace
} // namespace ladrix::test
