#include "ElementDialog.h"

#include "ElementPictures.h"
#include "core/RuntimeError.h"
#include "widgets/CommonTexts.h"
#include "widgets/DialogButtons.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ladrix {

namespace {

QLineEdit* field(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

} // namespace

const QStringList& ElementDialog::functionList()
{
    static const QStringList list{
        QStringLiteral("PLS"), QStringLiteral("SFT"), QStringLiteral("RST"), QStringLiteral("S"),
        QStringLiteral("R"),   QStringLiteral("MC"),  QStringLiteral("MCR"), QStringLiteral("CJP"),
        QStringLiteral("EJP"), QStringLiteral("END"), QStringLiteral("STL"), QStringLiteral("RET"),
    };
    return list;
}

ElementDialog::ElementDialog(const ElementRequest& request, QWidget* parent)
    : QDialog(parent), m_request(request), m_cmbFNC(new QComboBox(this)),
      m_txtDev(field("txtDev", this)), m_txtK(field("txtK", this)), m_sink(messageBoxSink())
{
    setObjectName(QStringLiteral("frmInput"));
    setWindowTitle(tr("输入"));
    setModal(true);

    m_cmbFNC->setObjectName(QStringLiteral("cmbFNC"));
    m_cmbFNC->setEditable(true);
    m_cmbFNC->setInsertPolicy(QComboBox::NoInsert);
    // Completion would turn a typed "S" into "SFT" and swallow the Enter that confirms it.
    m_cmbFNC->setCompleter(nullptr);
    m_cmbFNC->addItems(functionList());
    m_cmbFNC->setCurrentIndex(-1);
    m_cmbFNC->setEnabled(request.inputMode == ElementRequest::DeviceAndFunction);
    m_txtK->setEnabled(request.inputMode == ElementRequest::DeviceAndConstant);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgLad"));
    picture->setPixmap(elementPicture(request.inputType, 2, devicePixelRatioF()));
    picture->setFrameShape(QFrame::Box);

    auto* fields = new QGridLayout;
    const std::pair<const char*, QWidget*> rows[] = {{QT_TR_NOOP("功能指令"), m_cmbFNC},
                                                     {QT_TR_NOOP("目标器件"), m_txtDev},
                                                     {QT_TR_NOOP("K常数"), m_txtK}};
    int row = 0;
    for (const auto& [caption, widget] : rows) {
        auto* label = new QLabel(tr(caption), this);
        label->setObjectName(QStringLiteral("Label1_%1").arg(row));
        label->setBuddy(widget);
        fields->addWidget(label, row, 0);
        fields->addWidget(widget, row, 1);
        ++row;
    }
    fields->addWidget(picture, 0, 2, 3, 1, Qt::AlignCenter);

    const auto [buttons, ok, cancel] =
        okCancelButtons(this, QStringLiteral("OKButton"), QStringLiteral("CancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ElementDialog::okButtonClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Enter in any of the three fields presses the default button, OK.

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);

    setTabOrder(m_cmbFNC, m_txtDev);
    setTabOrder(m_txtDev, m_txtK);
    setTabOrder(m_txtK, ok);
    setTabOrder(ok, cancel);
    (m_cmbFNC->isEnabled() ? static_cast<QWidget*>(m_cmbFNC) : m_txtDev)->setFocus();
}

void ElementDialog::okButtonClick()
{
    try {
        ElementCheck check = checkElementInput(m_request.inputMode, m_cmbFNC->currentText(),
                                               m_txtDev->text(), m_txtK->text());
        if (!check.input) {
            m_sink(this, commontexts::appTitle(), check.message);
            return;
        }
        m_input = std::move(check.input);
        accept();
    } catch (const RuntimeError& error) {
        m_sink(this, error.title(), error.description());
    }
}

} // namespace ladrix
