#pragma once

#include "core/ProgramCheck.h"

#include <QWidget>

class QLabel;
class QListWidget;

namespace ladrix {

class InstrEditor;
class Project;

// The program check's findings, one line "NNNN: message" each. It stays on top without taking
// the focus, follows every change of the program, and shows a line's step in the editor on a
// double click or Enter. It closes when the project does.
//
// Child objectNames: the header "labHeader", the list "lstCheck", the count "labCount" and
// the button "cmdExit".
class CheckReport final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CheckReport)

public:
    CheckReport(Project& project, InstrEditor& editor, QWidget* parent = nullptr);

    // Checks the program again and lists what it found.
    void runCheck();
    const QList<CheckMessage>& messages() const { return m_messages; }
    // Scrolls the editor to the step of the selected line.
    void showSelected();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Project& m_project;
    InstrEditor& m_editor;
    QListWidget* m_list = nullptr;
    QLabel* m_count = nullptr;
    QList<CheckMessage> m_messages;
};

} // namespace ladrix
