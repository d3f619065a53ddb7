#pragma once

#include <QDialog>
#include <QPrinter>
#include <memory>

class QLabel;
class QRadioButton;

namespace ladrix {

class Project;
class UserPrompts;

// frmPrint: chooses the printout and prints it; stays open until cancelled.
class PrintDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PrintDialog)

public:
    PrintDialog(const Project& project, UserPrompts& prompts, QWidget* parent = nullptr);

    // The printer the printout goes to: the system's default one until set up otherwise.
    QPrinter& printer() { return *m_printer; }

private:
    void setUpPrinter();
    void printChosen();
    void previewChosen();
    bool printChosenOn(QPrinter& printer, QString& error) const;
    // Back to the system's default printer, as the dialog opened with.
    void resetPrinter();

    const Project& m_project;
    UserPrompts& m_prompts;
    std::unique_ptr<QPrinter> m_printer;
    QRadioButton* m_insList;
    QRadioButton* m_ladder;
    QLabel* m_printerName;
};

} // namespace ladrix
