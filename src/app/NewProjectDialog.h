#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace ladrix {

class UserPrompts;

// frmNew: asks for the name and the controller model of a new project.
class NewProjectDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NewProjectDialog)

public:
    NewProjectDialog(UserPrompts& prompts, QWidget* parent = nullptr);

    // The name typed, trimmed; the default name when nothing was typed.
    QString projectName() const;
    // Row of the chosen model: 0 or 1; -1 while none is chosen.
    int plcType() const;

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    UserPrompts& m_prompts;
    QLineEdit* m_name;
    QListWidget* m_mode;
    QPushButton* m_ok;
};

// Why `name` cannot be a project name (it would not read back from the project file), or an
// empty text when it can.
QString projectNameProblem(const QString& name);

} // namespace ladrix
