#include "XrefWindow.h"

#include "CheckTexts.h"
#include "core/Project.h"
#include "core/TextHelpers.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <algorithm>
#include <climits>

namespace ladrix {

namespace {

constexpr int kSortRole = Qt::UserRole;
constexpr int kStepRole = Qt::UserRole + 1;

// Sorts on a number kept with each cell (device order, step), not on the text: Y4 before Y30,
// and a device without steps in a column after those with some.
class XrefItem final : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem& other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        const int mine = data(column, kSortRole).toInt();
        const int theirs = other.data(column, kSortRole).toInt();
        if (mine != theirs)
            return mine < theirs;
        return data(XrefWindow::DeviceColumn, kSortRole).toInt() <
               other.data(XrefWindow::DeviceColumn, kSortRole).toInt();
    }
};

int firstOf(const QList<int>& steps)
{
    return steps.isEmpty() ? INT_MAX : steps.first();
}

QString instructionAt(const ProgramStore& store, int step)
{
    const Step& s = store.step(step);
    return s.ins.trimmed().toUpper() + u' ' + s.data.trimmed().toUpper();
}

void addSteps(QTreeWidgetItem* device, const ProgramStore& store, const QList<int>& steps,
              int column)
{
    for (int step : steps) {
        auto* row = new XrefItem(device);
        row->setText(XrefWindow::DeviceColumn, padZeroCopy(QString::number(step), 4));
        row->setText(column, instructionAt(store, step));
        for (int c = 0; c < XrefWindow::ColumnCount; ++c)
            row->setData(c, kSortRole,
                         c == column || c == XrefWindow::DeviceColumn ? step : INT_MAX);
        row->setData(XrefWindow::DeviceColumn, kStepRole, step);
    }
}

QTreeWidgetItem* deviceRow(const DeviceUse& use, const ProgramStore& store)
{
    auto* row = new XrefItem;
    row->setText(XrefWindow::DeviceColumn, use.device.name());
    row->setText(XrefWindow::ReadColumn, stepList(use.reads));
    row->setText(XrefWindow::DriveColumn, stepList(use.drives));
    row->setText(XrefWindow::OtherColumn, stepList(use.others));
    row->setData(XrefWindow::DeviceColumn, kSortRole, use.device.order());
    row->setData(XrefWindow::ReadColumn, kSortRole, firstOf(use.reads));
    row->setData(XrefWindow::DriveColumn, kSortRole, firstOf(use.drives));
    row->setData(XrefWindow::OtherColumn, kSortRole, firstOf(use.others));
    row->setData(XrefWindow::DeviceColumn, kStepRole,
                 std::min({firstOf(use.reads), firstOf(use.drives), firstOf(use.others)}));
    addSteps(row, store, use.reads, XrefWindow::ReadColumn);
    addSteps(row, store, use.drives, XrefWindow::DriveColumn);
    addSteps(row, store, use.others, XrefWindow::OtherColumn);
    return row;
}

} // namespace

XrefWindow::XrefWindow(Project& project, InstrEditor& editor, QWidget* parent)
    : StepListWindow(project, editor, parent)
{
    using namespace checktexts;
    setObjectName(QStringLiteral("frmXref"));
    setWindowTitle(kXrefTitle());
    m_table = new QTreeWidget(this);
    m_table->setObjectName(QStringLiteral("tvwXref"));
    m_table->setColumnCount(ColumnCount);
    m_table->setHeaderLabels({kDevice(), kReads(), kDrives(), kOthers()});
    m_table->setUniformRowHeights(true);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(DeviceColumn, Qt::AscendingOrder);
    // A double click on a device row also expands it; its first step is shown as well.
    setView(m_table);
    resize(640, 400);
}

void XrefWindow::refresh()
{
    const ProgramStore& store = project().program();
    const QList<DeviceUse> uses = crossReference(store);
    QList<QTreeWidgetItem*> rows;
    rows.reserve(uses.size());
    for (const DeviceUse& use : uses)
        rows.append(deviceRow(use, store));
    m_table->clear();
    m_table->addTopLevelItems(rows);
    for (int c = 0; c < ColumnCount; ++c)
        m_table->resizeColumnToContents(c);
    setCount(checktexts::kXrefCount().arg(uses.size()));
}

int XrefWindow::stepOf(const QTreeWidgetItem* item)
{
    return item ? item->data(DeviceColumn, kStepRole).toInt() : -1;
}

void XrefWindow::showSelected()
{
    const QList<QTreeWidgetItem*> selected = m_table->selectedItems();
    if (selected.isEmpty())
        return;
    showStep(stepOf(selected.first()));
}

} // namespace ladrix
