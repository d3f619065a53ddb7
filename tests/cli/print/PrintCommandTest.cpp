#include "../../files/FileTestSupport.h"
#include "../CliRunner.h"
#include "files/ProjectFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::testing;

namespace {

// What a PDF viewer would get from a file: its text and how much of page 1 is inked.
struct Pdf {
    QString text;
    int pages = 0;
    double inkedShare = 0;
};

QString run(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Page 1 rasterised in grey at 30 dpi (a binary PGM) and the share of its dark pixels.
double inkedShareOfFirstPage(const QString& pdf)
{
    run(QStringLiteral("pdftoppm"),
        {"-r", "30", "-gray", "-f", "1", "-l", "1", "-singlefile", pdf, pdf + ".page"});
    QFile file(pdf + ".page.pgm");
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> header = file.read(64).split('\n');
    if (header.size() < 4 || header[0] != "P5")
        return -1;
    const QList<QByteArray> size = header[1].split(' ');
    const int pixels = size[0].toInt() * size[1].toInt();
    file.seek(header[0].size() + header[1].size() + header[2].size() + 3);
    const QByteArray grey = file.read(pixels);
    int dark = 0;
    for (char value : grey)
        dark += static_cast<unsigned char>(value) < 128;
    return pixels > 0 ? double(dark) / pixels : -1;
}

Pdf readPdf(const QString& path)
{
    Pdf pdf;
    pdf.text = run(QStringLiteral("pdftotext"), {"-layout", path, "-"});
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    for (const QString& line : info.split('\n'))
        if (line.startsWith("Pages:"))
            pdf.pages = line.mid(6).trimmed().toInt();
    pdf.inkedShare = inkedShareOfFirstPage(path);
    return pdf;
}

class PrintCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        store.projectName = QStringLiteral("泵站");
        const char* steps[][2] = {{"LD", "X0"},   {"OR", "Y30"},  {"ANI", "X1"},
                                  {"OUT", "Y30"}, {"OUT", "T50"}, {"K", "100"}};
        for (int i = 0; i < int(std::size(steps)); ++i)
            store.step(i) = Step{steps[i][0], steps[i][1], {}};
        store.step(200) = Step{"END", {}, {}};
        grid.cell(GridPos::at(0, 0).index) = Cell{kContact, kPlainEdge, kPlainEdge, "X0", {}};
        for (int c = 1; c < 9; ++c)
            grid.cell(GridPos::at(0, c).index) = Cell{kLine, kPlainEdge, kPlainEdge, {}, {}};
        grid.cell(GridPos::at(0, 9).index) = Cell{kCoil, kPlainEdge, kPlainEdge, "Y30", {}};
        grid.cell(GridPos::at(30, 9).index) = Cell{kFunctionBox, kPlainEdge, kPlainEdge, {}, "END"};
        ASSERT_TRUE(saveProject(path("pump.lrp"), store, grid));
    }
    QString path(const QString& name) const { return files.path(name); }

    TempFolder files;
    ProgramStore store;
    LadderGrid grid;
};

} // namespace

TEST_F(PrintCommandTest, PrintoutsReachThePdfAsThePrinterWouldReceiveThem)
{
    const struct {
        QStringList args;
        int pages;
        QStringList texts;
    } cases[] = {
        {{"print", path("pump.lrp"), path("list.pdf")},
         2,
         {"文件名泵站", "步序", "000", "LD", "X0", "005", "K", "100", "PAGE:1/2"}},
        {{"print", "--ladder", path("pump.lrp"), path("ladder.pdf")},
         2,
         {"工程名称:泵站", "X0", "Y30", "END", "页码: 1"}},
    };
    for (const auto& c : cases) {
        const CliRun result = runCli(c.args);
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
        const Pdf pdf = readPdf(c.args.last());
        EXPECT_EQ(pdf.pages, c.pages) << c.args.last().toStdString();
        for (const QString& text : c.texts)
            EXPECT_TRUE(pdf.text.contains(text)) << text.toStdString() << " in\n"
                                                 << pdf.text.toStdString();
        EXPECT_GT(pdf.inkedShare, 0.001) << "page 1 is not blank";
        EXPECT_LT(pdf.inkedShare, 0.5);
    }
}

TEST_F(PrintCommandTest, BadUsageOrAnUnwritableOutLeavesNoFile)
{
    const QStringList cases[] = {
        {"print", path("pump.lrp"), path("out.txt")},
        {"print", "--ladder", path("missing.lrp"), path("a.pdf")},
        {"print", "--ladder", path("pump.ins"), path("b.pdf")},
        {"print", path("pump.lrp"), path("no/such/folder/c.pdf")},
        {"print", path("d.pdf")},
    };
    for (const QStringList& args : cases) {
        const CliRun result = runCli(args);
        EXPECT_EQ(result.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_FALSE(result.err.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(args.last())) << args.last().toStdString();
    }
    EXPECT_EQ(QDir(path(".")).entryList({"*.pdf"}, QDir::Files), QStringList())
        << "no scratch file is left behind";
}
