#pragma once

#include "StepListWindow.h"
#include "core/ProgramCheck.h"

class QListWidget;

namespace ladrix {

// The program check's findings, one line "NNNN: message" each.
//
// Child objectNames: the header "labHeader" and the list "lstCheck".
class CheckReport final : public StepListWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CheckReport)

public:
    CheckReport(Project& project, InstrEditor& editor, QWidget* parent = nullptr);

    // Checks the program again and lists what it found.
    void runCheck() { refresh(); }
    void refresh() override;
    const QList<CheckMessage>& messages() const { return m_messages; }
    void showSelected() override;

private:
    QListWidget* m_list = nullptr;
    QList<CheckMessage> m_messages;
};

} // namespace ladrix
