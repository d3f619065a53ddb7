#include "NewProjectDialog.h"

#include "AppTexts.h"
#include "UserPrompts.h"
#include "widgets/DialogButtons.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QVBoxLayout>

namespace ladrix {

QString projectNameProblem(const QString& name)
{
    // A comma or quote ends the field early, and a line break (from a paste) splits the line.
    static const QRegularExpression unreadable(QStringLiteral("[,\"\r\n]"));
    if (name.contains(unreadable))
        return NewProjectDialog::tr("工程名称不能包含逗号（,）、双引号（\"）或换行。");
    return {};
}

NewProjectDialog::NewProjectDialog(UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_name(new QLineEdit(texts::kDefaultProjectName())),
      m_mode(new QListWidget)
{
    setObjectName(QStringLiteral("frmNew"));
    setWindowTitle(tr("建立新工程"));
    setModal(true);

    m_name->setObjectName(QStringLiteral("txtName"));
    m_name->installEventFilter(this);
    m_mode->setObjectName(QStringLiteral("lstMode"));
    m_mode->addItems({QStringLiteral("Orvane QL100/RB1"), QStringLiteral("Orvane QL300/RB2")});
    m_mode->setSelectionMode(QAbstractItemView::SingleSelection);
    m_mode->setCurrentRow(-1);
    m_mode->setMaximumHeight(m_mode->sizeHintForRow(0) * 2 + 2 * m_mode->frameWidth() + 4);

    const auto [buttons, ok, cancel] =
        okCancelButtons(this, QStringLiteral("OKButton"), QStringLiteral("CancelButton"));
    m_ok = ok;
    m_ok->setEnabled(false);

    auto* form = new QFormLayout;
    form->addRow(tr("工程名称"), m_name);
    form->addRow(tr("PLC型号"), m_mode);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(340);

    connect(m_mode, &QListWidget::itemSelectionChanged, this,
            [this] { m_ok->setEnabled(!m_mode->selectedItems().isEmpty()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &NewProjectDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &NewProjectDialog::reject);
}

QString NewProjectDialog::projectName() const
{
    const QString name = m_name->text().trimmed();
    return name.isEmpty() ? texts::kDefaultProjectName() : name;
}

int NewProjectDialog::plcType() const
{
    const QList<QListWidgetItem*> selected = m_mode->selectedItems();
    return selected.isEmpty() ? -1 : m_mode->row(selected.constFirst());
}

void NewProjectDialog::accept()
{
    if (plcType() < 0)
        return;
    const QString problem = projectNameProblem(m_name->text());
    if (!problem.isEmpty()) {
        m_prompts.message(this, QMessageBox::Warning, texts::kAppTitle(), problem);
        m_name->setFocus();
        return;
    }
    QDialog::accept();
}

void NewProjectDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_name->setFocus(Qt::OtherFocusReason);
    m_name->selectAll();
}

bool NewProjectDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Selected after the focus event, so that a mouse click placing the cursor does not undo it.
    if (watched == m_name && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, m_name, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
}

} // namespace ladrix
