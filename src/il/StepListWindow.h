#pragma once

#include <QWidget>

class QAbstractItemView;
class QLabel;

namespace ladrix {

class InstrEditor;
class Project;

// A tool window that lists steps of the program (findings, device uses) in a view above a count
// and 退出. Enter or a double click shows the chosen step in the editor. It follows every change
// of the program while it is open, stays on top without taking the focus and closes when the
// project does.
//
// Child objectNames: the count "labCount" and the button "cmdExit".
class StepListWindow : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StepListWindow)

public:
    // Builds the list again from the program.
    virtual void refresh() = 0;
    // Scrolls the editor to the step of the chosen line.
    virtual void showSelected() = 0;

protected:
    StepListWindow(Project& project, InstrEditor& editor, QWidget* parent);

    // Lays out `view` (with `header` above it, when there is one) over the count and the button.
    void setView(QAbstractItemView* view, QWidget* header = nullptr);
    void setCount(const QString& text);
    void showStep(int step);
    Project& project() const { return m_project; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Project& m_project;
    InstrEditor& m_editor;
    QAbstractItemView* m_view = nullptr;
    QLabel* m_count = nullptr;
};

} // namespace ladrix
