#pragma once

#include "StepListWindow.h"
#include "core/CrossReference.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace ladrix {

// The cross-reference: one row per device with the steps that read it, drive it or name it as
// a mark or label, and under it one row per step. Rows sort by any column, by device at
// first. A device row shows its first step.
//
// Child objectNames: the table "tvwXref".
class XrefWindow final : public StepListWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(XrefWindow)

public:
    enum Column { DeviceColumn, ReadColumn, DriveColumn, OtherColumn, ColumnCount };

    XrefWindow(Project& project, InstrEditor& editor, QWidget* parent = nullptr);

    void refresh() override;
    QTreeWidget* table() const { return m_table; }
    // The step a row stands for: its own, or a device's first.
    static int stepOf(const QTreeWidgetItem* item);
    void showSelected() override;

private:
    QTreeWidget* m_table = nullptr;
};

} // namespace ladrix
