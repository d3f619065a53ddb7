#pragma once

#include <QDialog>

namespace ladrix {

class UserPrompts;

// frmAbout: product, version and operating system, with a button that starts the system's
// information tool where there is one.
class AboutDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutDialog)

public:
    // `systemInfoTool` is the program the button starts; empty hides the button.
    AboutDialog(UserPrompts& prompts, const QString& systemInfoTool, QWidget* parent = nullptr);

private:
    void startSystemInfo();

    UserPrompts& m_prompts;
    QString m_tool;
};

// The platform's system information program found on the PATH, or an empty text.
QString findSystemInfoTool();

} // namespace ladrix
