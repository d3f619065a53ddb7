#include "PrintDialog.h"

#include "AppTexts.h"
#include "InsListPrintout.h"
#include "LadderPrintout.h"
#include "UserPrompts.h"
#include "core/Project.h"
#include "widgets/DialogButtons.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ladrix {

namespace {

QPushButton* button(const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

PrintDialog::PrintDialog(const Project& project, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), m_project(project), m_prompts(prompts),
      m_insList(new QRadioButton(tr("打印指令表"))), m_ladder(new QRadioButton(tr("打印梯形图"))),
      m_printerName(new QLabel)
{
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(tr("打印设置"));
    m_insList->setObjectName(QStringLiteral("optPrint_0"));
    m_ladder->setObjectName(QStringLiteral("optPrint_1"));
    m_insList->setChecked(true);
    m_printerName->setObjectName(QStringLiteral("labPrint"));

    auto* content = new QGroupBox(tr("打印内容"));
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->addWidget(m_insList);
    contentLayout->addWidget(m_ladder);
    auto* printerBox = new QGroupBox(tr("打印机"));
    auto* config = button("CmdConfig", tr("设置"));
    auto* printerLayout = new QHBoxLayout(printerBox);
    printerLayout->addWidget(m_printerName, 1);
    printerLayout->addWidget(config);

    const auto [buttons, ok, cancel] =
        okCancelButtons(this, QStringLiteral("cmdOK"), QStringLiteral("cmdCancel"));
    auto* preview = button("cmdPreview", tr("预览"));
    buttons->addButton(preview, QDialogButtonBox::ActionRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(content);
    layout->addWidget(printerBox);
    layout->addWidget(buttons);
    setMinimumWidth(380);
    resetPrinter();

    connect(config, &QPushButton::clicked, this, &PrintDialog::setUpPrinter);
    connect(preview, &QPushButton::clicked, this, &PrintDialog::previewChosen);
    // Printing leaves the dialog open for another printout.
    connect(buttons, &QDialogButtonBox::accepted, this, &PrintDialog::printChosen);
    connect(buttons, &QDialogButtonBox::rejected, this, &PrintDialog::reject);
}

void PrintDialog::setUpPrinter()
{
    QPrintDialog setup(m_printer.get(), this);
    if (setup.exec() != QDialog::Accepted)
        return;
    const QString target = m_printer->outputFileName().isEmpty() ? m_printer->printerName()
                                                                 : m_printer->outputFileName();
    m_printerName->setText(tr("打印机: ") + target);
}

bool PrintDialog::printChosenOn(QPrinter& printer, QString& error) const
{
    if (m_ladder->isChecked())
        return LadderPrintout(m_project.program().projectName, m_project.grid(),
                              QDateTime::currentDateTime())
            .print(printer, error);
    return InsListPrintout(m_project.program()).print(printer, error);
}

// The preview draws the same pages as the printer would receive.
void PrintDialog::previewChosen()
{
    QPrintPreviewDialog preview(m_printer.get(), this);
    preview.setObjectName(QStringLiteral("frmPreview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) {
        QString error;
        if (!printChosenOn(*printer, error))
            m_prompts.message(this, QMessageBox::Warning, texts::kAppTitle(), error);
    });
    m_prompts.runDialog(preview);
}

void PrintDialog::printChosen()
{
    QString error;
    if (!printChosenOn(*m_printer, error)) {
        // A printer that failed to start stays busy and refuses new settings, so the default
        // one takes its place, in the label too.
        resetPrinter();
        m_prompts.message(this, QMessageBox::Warning, texts::kAppTitle(),
                          error + tr("\n可以在“设置”中选择其他打印机，或打印到 PDF 文件。"));
    }
}

void PrintDialog::resetPrinter()
{
    m_printer = std::make_unique<QPrinter>();
    m_printer->setPageSize(QPageSize(QPageSize::A4));
    QString name = QPrinterInfo::defaultPrinterName();
    if (name.isEmpty())
        name = tr("（无）");
    m_printerName->setText(tr("系统默认打印机: ") + name);
}

} // namespace ladrix
