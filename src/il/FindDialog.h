#pragma once

#include "FindEngine.h"
#include "widgets/MessageSink.h"

#include <QDialog>
#include <utility>

class QCheckBox;
class QGridLayout;
class QLineEdit;

namespace ladrix {

class FindReport;
class InstrEditor;
class Project;

// Collects the find criteria and the replacement, fills the report and shows it. Kept between
// uses, so the fields hold their values for the next search.
class FindDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FindDialog)

public:
    FindDialog(Project& project, InstrEditor& editor, QWidget* parent = nullptr);

    FindReport* report() const { return m_report; }
    FindCriteria criteria() const;
    Replacement replacement() const;
    void setMessageSink(MessageSink sink);

    // Fills the report from the fields, hides this dialog and shows the report.
    void find();

private:
    std::pair<QCheckBox*, QLineEdit*> addField(const char* check, const char* edit,
                                               const QString& caption, int row, int column);

    Project& m_project;
    FindReport* m_report = nullptr;
    QCheckBox* m_chkStep = nullptr;
    QCheckBox* m_chkIns = nullptr;
    QCheckBox* m_chkData = nullptr;
    QCheckBox* m_chkRem = nullptr;
    QCheckBox* m_chkCase = nullptr;
    QCheckBox* m_chkRIns = nullptr;
    QCheckBox* m_chkRData = nullptr;
    QLineEdit* m_txtStep = nullptr;
    QLineEdit* m_txtIns = nullptr;
    QLineEdit* m_txtData = nullptr;
    QLineEdit* m_txtRem = nullptr;
    QLineEdit* m_txtRIns = nullptr;
    QLineEdit* m_txtRData = nullptr;
    QGridLayout* m_grid = nullptr;
};

} // namespace ladrix
