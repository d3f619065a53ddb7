#include "AppFixture.h"

#include "app/InsListPrintout.h"
#include "app/LadderPrintout.h"
#include "app/PrintDialog.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPrintPreviewWidget>
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

bool hasSlot(const QList<LadderPrintItem>& items, int index, qreal x, qreal y)
{
    return items.contains(
        LadderPrintItem{LadderPrintItem::CellSlot, index, QRectF(x, y, 810, 555), {}});
}

QList<QRectF> railsOf(const QList<LadderPrintItem>& items)
{
    QList<QRectF> rails;
    for (const LadderPrintItem& item : items)
        if (item.kind == LadderPrintItem::Rail)
            rails.append(item.box);
    return rails;
}

const QDateTime kPrintedAt(QDate(2026, 3, 1), QTime(9, 5, 7));

TEST(LadderPrintoutTest, CellsStandInTheirSlotsBetweenTwoUnbrokenRails)
{
    LadderGrid grid;
    grid.cell(GridPos::at(1, 2).index) = Cell{kContact, kPlainEdge, kLinkDown, "X0", {}};
    const LadderPrintout printout("泵站", grid, kPrintedAt);
    EXPECT_EQ(printout.pageCount(), LadderPrintout::kMaxPages);
    const QList<LadderPrintItem> page = printout.page(0);
    EXPECT_TRUE(hasSlot(page, GridPos::at(1, 2).index, 1900 + 810 * 2, 1500 + 555));
    EXPECT_TRUE(hasSlot(page, GridPos::at(24, 9).index, 1900 + 810 * 9, 1500 + 555 * 24));
    EXPECT_TRUE(printout.page(1).contains(LadderPrintItem{
        LadderPrintItem::CellSlot, GridPos::at(25, 0).index, QRectF(1900, 1500, 810, 555), {}}));
    // One stroke per rail over the 25 rows, in the middle of the outer edge strips.
    const QList<QRectF> expected{QRectF(1907.5, 1500, 0, 555 * 25),
                                 QRectF(9992.5, 1500, 0, 555 * 25)};
    EXPECT_EQ(railsOf(page), expected);
    for (const char* text : {"工程名称:泵站", "打印时间09:05:072026-03-01", "页码: 1"})
        EXPECT_TRUE(textsOf(page).contains(text)) << text;
}

TEST(LadderPrintoutTest, EndBoxEndsThePrintoutAtItsCell)
{
    const struct {
        int column;
        QList<QRectF> rails;
    } cases[] = {
        {9, {QRectF(1907.5, 1500, 0, 555 * 6), QRectF(9992.5, 1500, 0, 555 * 6)}},
        // The last row's rail piece closes the row right after the box.
        {4,
         {QRectF(1907.5, 1500, 0, 555 * 6), QRectF(9992.5, 1500, 0, 555 * 5),
          QRectF(1900 + 810 * 5 - 7.5, 1500 + 555 * 5, 0, 555)}},
    };
    for (const auto& c : cases) {
        LadderGrid grid;
        grid.cell(GridPos::at(30, c.column).index) =
            Cell{kFunctionBox, kPlainEdge, kPlainEdge, {}, " end "};
        grid.cell(GridPos::at(31, 0).index) = Cell{kContact, kPlainEdge, kPlainEdge, "X1", {}};
        const LadderPrintout printout(QString(), grid, kPrintedAt);
        ASSERT_EQ(printout.pageCount(), 2);
        const QList<LadderPrintItem> last = printout.page(1);
        const qreal y = 1500 + 555 * 5;
        EXPECT_TRUE(hasSlot(last, GridPos::at(30, c.column).index, 1900 + 810 * c.column, y));
        EXPECT_FALSE(
            hasSlot(last, GridPos::at(30, c.column).index + 1, 1900 + 810 * (c.column + 1), y));
        EXPECT_FALSE(hasSlot(last, GridPos::at(31, 0).index, 1900, y + 555));
        EXPECT_EQ(railsOf(last), c.rails) << "END in column " << c.column;
        EXPECT_EQ(last.last().text, u"页码: 2"_s);
    }
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

TEST_F(PrintDialogTest, PreviewShowsThePagesOfTheChosenPrintout)
{
    project.grid().cell(GridPos::at(30, 9).index) =
        Cell{kFunctionBox, kPlainEdge, kPlainEdge, {}, "END"};
    project.program().step(200) = Step{"END", {}, {}};
    PrintDialog dialog(project, prompts, window.get());
    dialog.show();
    int pages[2] = {-1, -1};
    for (int choice : {0, 1}) {
        dialog.findChild<QRadioButton*>(QStringLiteral("optPrint_%1").arg(choice))
            ->setChecked(true);
        prompts.dialogDriver = [&pages, choice](QDialog& preview) {
            auto* view = preview.findChild<QPrintPreviewWidget*>();
            ASSERT_NE(view, nullptr);
            view->updatePreview();
            pages[choice] = view->pageCount();
        };
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdPreview"), Qt::LeftButton);
    }
    EXPECT_EQ(pages[0], 2) << "steps 0 to 200, 168 a page";
    EXPECT_EQ(pages[1], 2) << "rows 0 to 30 of the ladder";
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
