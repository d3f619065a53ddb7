#pragma once

#include <QMessageBox>
#include <QString>

class QDialog;
class QUrl;
class QWidget;

namespace ladrix {

// Every question, message, file dialog and modal dialog the main window raises goes through
// this interface, so tests answer them without anything blocking.
class UserPrompts {
public:
    enum class SaveChoice { Save, Discard, Cancel };

    virtual ~UserPrompts() = default;

    // A path, or an empty text when the user cancelled. `filter` is one Qt name filter.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& proposed) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& proposed) = 0;
    // A message box with an OK button.
    virtual void message(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                         const QString& text) = 0;
    // The exit question: true for OK.
    virtual bool confirmExit(QWidget* parent) = 0;
    virtual SaveChoice askSaveChanges(QWidget* parent, const QString& projectName) = 0;
    // Runs a modal dialog and returns its result (QDialog::Accepted or Rejected).
    virtual int runDialog(QDialog& dialog) = 0;
    // Hands a local page to the desktop's viewer; false when nothing could open it.
    virtual bool openUrl(const QUrl& url) = 0;
};

// The platform's dialogs and message boxes.
class WidgetPrompts final : public UserPrompts {
public:
    QString openFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& proposed) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& proposed) override;
    void message(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                 const QString& text) override;
    bool confirmExit(QWidget* parent) override;
    SaveChoice askSaveChanges(QWidget* parent, const QString& projectName) override;
    int runDialog(QDialog& dialog) override;
    bool openUrl(const QUrl& url) override;
};

// The suffix a name filter asks for: "lrp" for "LADRX Project File (*.lrp)".
QString filterSuffix(const QString& filter);

} // namespace ladrix
