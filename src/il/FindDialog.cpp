#include "FindDialog.h"

#include "FindReport.h"
#include "IlTexts.h"
#include "core/Project.h"
#include "widgets/CommonTexts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ladrix {

FindDialog::FindDialog(Project& project, InstrEditor& editor, QWidget* parent)
    : QDialog(parent), m_project(project)
{
    using namespace iltexts;
    using namespace commontexts;
    setObjectName(QStringLiteral("frmFind"));
    setWindowTitle(kFindTitle());
    setModal(true);

    auto* frame = new QGroupBox(kFindFrame(), this);
    m_grid = new QGridLayout(frame);
    std::tie(m_chkStep, m_txtStep) = addField("ChkStep", "txtStep", kStep(), 0, 0);
    std::tie(m_chkIns, m_txtIns) = addField("ChkIns", "txtIns", kIns(), 1, 0);
    std::tie(m_chkRIns, m_txtRIns) = addField("chkRIns", "txtRIns", kReplaceWith(), 1, 2);
    std::tie(m_chkData, m_txtData) = addField("ChkData", "txtData", kData(), 2, 0);
    std::tie(m_chkRData, m_txtRData) = addField("chkRData", "txtRdata", kReplaceWith(), 2, 2);
    std::tie(m_chkRem, m_txtRem) = addField("ChkRem", "txtRem", kRem(), 3, 0);
    m_chkCase = new QCheckBox(kCase(), frame);
    m_chkCase->setObjectName(QStringLiteral("ChkCase"));
    m_grid->addWidget(m_chkCase, 4, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* findButton = buttons->addButton(okText(), QDialogButtonBox::AcceptRole);
    findButton->setObjectName(QStringLiteral("cmdFind"));
    QPushButton* cancel = buttons->addButton(cancelText(), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    // Enter in the fields finds; Escape cancels, as in any dialog.
    findButton->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);

    m_report = new FindReport(project, editor, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &FindDialog::find);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::pair<QCheckBox*, QLineEdit*> FindDialog::addField(const char* check, const char* edit,
                                                       const QString& caption, int row, int column)
{
    QWidget* frame = m_grid->parentWidget();
    auto* box = new QCheckBox(caption, frame);
    box->setObjectName(QLatin1String(check));
    auto* text = new QLineEdit(frame);
    text->setObjectName(QLatin1String(edit));
    m_grid->addWidget(box, row, column);
    m_grid->addWidget(text, row, column + 1);
    return {box, text};
}

FindCriteria FindDialog::criteria() const
{
    FindCriteria c;
    c.stepOn = m_chkStep->isChecked();
    c.step = m_txtStep->text();
    c.insOn = m_chkIns->isChecked();
    c.ins = m_txtIns->text();
    c.dataOn = m_chkData->isChecked();
    c.data = m_txtData->text();
    c.remOn = m_chkRem->isChecked();
    c.rem = m_txtRem->text();
    c.matchCase = m_chkCase->isChecked();
    return c;
}

Replacement FindDialog::replacement() const
{
    return makeReplacement(m_chkRIns->isChecked(), m_txtRIns->text(), m_chkRData->isChecked(),
                           m_txtRData->text());
}

void FindDialog::setMessageSink(MessageSink sink)
{
    m_report->setMessageSink(std::move(sink));
}

void FindDialog::find()
{
    const QList<int> steps = findSteps(m_project.program(), criteria());
    // Hidden before the report changes: hiding a window drops the repaints its child windows
    // still owe, which left the report's replace buttons drawn in their old state.
    accept();
    m_report->setResults(steps, replacement());
    m_report->show();
    m_report->raise();
}

} // namespace ladrix
