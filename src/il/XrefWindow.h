#pragma once

#include "core/CrossReference.h"

#include <QWidget>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace ladrix {

class InstrEditor;
class Project;

// The cross-reference: one row per device with the steps that read it, drive it or name it as
// a mark or label, and under it one row per step. Rows sort by any column, by device at
// first. A double click or Enter shows the row's step in the editor (a device row: its first
// step). It follows every change of the program, stays on top without taking the focus and
// closes when the project does.
//
// Child objectNames: the table "tvwXref", the count "labCount" and the button "cmdExit".
class XrefWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(XrefWindow)

public:
    enum Column { DeviceColumn, ReadColumn, DriveColumn, OtherColumn, ColumnCount };

    XrefWindow(Project& project, InstrEditor& editor, QWidget* parent = nullptr);

    // Builds the table again from the program.
    void refresh();
    QTreeWidget* table() const { return m_table; }
    // The step a row stands for: its own, or a device's first.
    static int stepOf(const QTreeWidgetItem* item);
    // Scrolls the editor to the step of the current row.
    void showSelected();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Project& m_project;
    InstrEditor& m_editor;
    QTreeWidget* m_table = nullptr;
    QLabel* m_count = nullptr;
};

} // namespace ladrix
