#include "OnlineLayout.h"

#include "OnlineTexts.h"

#include "widgets/RowFont.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace ladrix::plc {
namespace {

namespace t = onlinetexts;

QGroupBox* frame(const QString& name, const QString& caption)
{
    auto* box = new QGroupBox(caption);
    box->setObjectName(name);
    return box;
}

QLabel* label(const QString& name, const QString& text = QString())
{
    auto* l = new QLabel(text);
    l->setObjectName(name);
    return l;
}

// A state text of a page: room for the two lines of a step message.
QLabel* stateLabel(const QString& name, const QString& text = QString())
{
    QLabel* l = label(name, text);
    l->setMinimumHeight(2 * l->fontMetrics().lineSpacing() + 4);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setWordWrap(true);
    return l;
}

QPushButton* button(const QString& name, const QString& caption)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    return b;
}

QProgressBar* progressBar(const QString& name)
{
    auto* bar = new QProgressBar;
    bar->setObjectName(name);
    bar->setRange(0, 1);
    bar->setValue(0);
    return bar;
}

// A text box bound to an up-down control: the spin box is the up-down, its line edit the box.
QSpinBox* upDown(const QString& upDownName, const QString& textName)
{
    auto* spin = new QSpinBox;
    spin->setObjectName(upDownName);
    spin->findChild<QLineEdit*>()->setObjectName(textName);
    spin->setFont(rowFont());
    spin->setMinimumWidth(spin->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 30);
    return spin;
}

QCheckBox* checkBox(const QString& name, const QString& caption)
{
    auto* c = new QCheckBox(caption);
    c->setObjectName(name);
    return c;
}

// "from" [a] "to" [b] "step" on one line.
QHBoxLayout* rangeRow(const QString& before, QSpinBox* a, const QString& between, QSpinBox* b,
                      const QString& after)
{
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(before));
    row->addWidget(a);
    row->addWidget(new QLabel(between));
    if (b)
        row->addWidget(b);
    if (!after.isEmpty())
        row->addWidget(new QLabel(after));
    row->addStretch();
    return row;
}

QHBoxLayout* buttonRow(QPushButton* first, QPushButton* second)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(first);
    if (second)
        row->addWidget(second);
    return row;
}

QLabel* noteLabel(const QString& name)
{
    QLabel* note = label(name);
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: #a00000;"));
    note->hide();
    return note;
}

} // namespace

QGroupBox* buildConnPage(OnlineControls& c)
{
    QGroupBox* box = frame(QStringLiteral("fmeConn"), t::kTabConn());
    c.cmbComm = new QComboBox;
    c.cmbComm->setObjectName(QStringLiteral("cmbComm"));
    c.cmbComm->setMinimumWidth(220);
    c.cmbComm->setEnabled(false);
    c.cmdConn = button(QStringLiteral("cmdConn"), t::kConnect());
    c.labConnMsg = stateLabel(QStringLiteral("labConnMsg"));
    auto* grid = new QGridLayout(box);
    grid->addWidget(c.cmbComm, 0, 0);
    grid->addWidget(label(QStringLiteral("Label1"), t::kRate()), 0, 1);
    grid->addWidget(c.cmdConn, 1, 0, Qt::AlignLeft);
    grid->addWidget(c.labConnMsg, 2, 0, 1, 2);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(2, 1);
    return box;
}

QGroupBox* buildReadPage(OnlineControls& c)
{
    QGroupBox* box = frame(QStringLiteral("fmeRead"), t::kTabRead());
    c.txtRStart = upDown(QStringLiteral("UDRStart"), QStringLiteral("txtRStart"));
    c.txtRFrom = upDown(QStringLiteral("udRFrom"), QStringLiteral("txtRFrom"));
    c.txtRTo = upDown(QStringLiteral("udRTo"), QStringLiteral("txtRTo"));
    c.ChkREnd = checkBox(QStringLiteral("ChkREnd"), t::kEndIsLast());
    c.labRNote = noteLabel(QStringLiteral("labRNote"));
    c.cmdRead = button(QStringLiteral("cmdRead"), t::kRead());
    c.cmdRCancel = button(QStringLiteral("cmdRCancel"), t::kCancel());
    c.PsbRead = progressBar(QStringLiteral("PsbRead"));
    c.labReadMsg = stateLabel(QStringLiteral("labReadMsg"));
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(rangeRow(t::kFileFrom(), c.txtRStart, t::kAsFirstStep(), nullptr, {}));
    layout->addLayout(rangeRow(t::kFromStep(), c.txtRFrom, t::kReadTo(), c.txtRTo, t::kStep()));
    layout->addWidget(c.ChkREnd);
    layout->addWidget(c.labRNote);
    layout->addWidget(c.PsbRead);
    layout->addWidget(c.labReadMsg);
    layout->addStretch();
    layout->addLayout(buttonRow(c.cmdRead, c.cmdRCancel));
    return box;
}

QGroupBox* buildWritePage(OnlineControls& c)
{
    QGroupBox* box = frame(QStringLiteral("fmeWrite"), t::kTabWrite());
    c.txtWStart = upDown(QStringLiteral("UDWStart"), QStringLiteral("txtWStart"));
    c.txtWFrom = upDown(QStringLiteral("udWFrom"), QStringLiteral("txtWFrom"));
    c.txtWTo = upDown(QStringLiteral("udWTo"), QStringLiteral("txtWTo"));
    c.ChkWEnd = checkBox(QStringLiteral("ChkWEnd"), t::kEndIsLast());
    c.labWNote = noteLabel(QStringLiteral("labWNote"));
    c.CmdWrite = button(QStringLiteral("CmdWrite"), t::kWrite());
    c.CmdWCancel = button(QStringLiteral("CmdWCancel"), t::kCancel());
    c.psbWrite = progressBar(QStringLiteral("psbWrite"));
    c.labWriteMsg = stateLabel(QStringLiteral("labWriteMsg"));
    // Program step k always goes into controller step k: the field only shows that.
    c.txtWStart->setEnabled(false);
    c.txtWStart->setToolTip(t::kUnusedField());
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(rangeRow(t::kPlcFrom(), c.txtWStart, t::kStepAsFirst(), nullptr, {}));
    layout->addLayout(rangeRow(t::kFromStep(), c.txtWFrom, t::kWriteTo(), c.txtWTo, t::kStep()));
    layout->addWidget(c.ChkWEnd);
    layout->addWidget(c.labWNote);
    layout->addWidget(c.psbWrite);
    layout->addWidget(c.labWriteMsg);
    layout->addStretch();
    layout->addLayout(buttonRow(c.CmdWrite, c.CmdWCancel));
    return box;
}

QGroupBox* buildFunPage(OnlineControls& c)
{
    QGroupBox* box = frame(QStringLiteral("fmeFUN"), t::kTabFun());
    const QString captions[] = {t::kClearPlc(), t::kEepromToRam(), t::kRamToEeprom()};
    auto* layout = new QVBoxLayout(box);
    for (int i = 0; i < 3; ++i) {
        c.OptCopy[i] = new QRadioButton(captions[i]);
        c.OptCopy[i]->setObjectName(QStringLiteral("OptCopy(%1)").arg(i));
        layout->addWidget(c.OptCopy[i]);
    }
    c.OptCopy[0]->setChecked(true);
    c.cmdFUNOK = button(QStringLiteral("cmdFUNOK"), t::kStart());
    c.labFUNMSG = stateLabel(QStringLiteral("labFUNMSG"));
    layout->addWidget(c.labFUNMSG);
    layout->addStretch();
    layout->addLayout(buttonRow(c.cmdFUNOK, nullptr));
    return box;
}

QGroupBox* buildHighSpeedPage(OnlineControls& c)
{
    QGroupBox* box = frame(QStringLiteral("fmeHRW"), t::kTabHrw());
    c.cmdHRead = button(QStringLiteral("cmdHRead"), t::kHRead());
    c.PSBHRead = progressBar(QStringLiteral("PSBHRead"));
    c.labHRead = label(QStringLiteral("labHRead"));
    c.cmdHWrite = button(QStringLiteral("cmdHWrite"), t::kHWrite());
    c.PSBHWrite = progressBar(QStringLiteral("PSBHWrite"));
    c.labHWrite = label(QStringLiteral("labHWrite"));
    c.cmdHVerify = button(QStringLiteral("cmdHVerify"), t::kHVerify());
    c.labHVerify = label(QStringLiteral("labHVerify"));
    c.lvwVerify = new QTreeWidget;
    c.lvwVerify->setObjectName(QStringLiteral("lvwVerify"));
    c.lvwVerify->setRootIsDecorated(false);
    c.lvwVerify->setHeaderLabels(t::kVerifyColumns());
    c.lvwVerify->setFont(rowFont());
    c.lvwVerify->header()->setSectionResizeMode(QHeaderView::Stretch);
    c.lvwVerify->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    auto* grid = new QGridLayout(box);
    grid->addWidget(c.cmdHRead, 0, 0);
    grid->addWidget(c.PSBHRead, 0, 1);
    grid->addWidget(c.labHRead, 1, 1);
    grid->addWidget(c.cmdHWrite, 2, 0);
    grid->addWidget(c.PSBHWrite, 2, 1);
    grid->addWidget(c.labHWrite, 3, 1);
    grid->addWidget(c.cmdHVerify, 4, 0);
    grid->addWidget(c.labHVerify, 4, 1);
    grid->addWidget(c.lvwVerify, 5, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(5, 1);
    return box;
}

} // namespace ladrix::plc
