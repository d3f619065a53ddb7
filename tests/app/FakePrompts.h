#pragma once

#include "app/UserPrompts.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <QUrl>
#include <functional>

namespace ladrix::test {

// Answers the main window's questions and dialogs from queues and records what was asked.
// An empty answer queue cancels, so an unexpected dialog never blocks a test.
class FakePrompts final : public UserPrompts {
public:
    struct FileAsk {
        QString title;
        QString filter;
        QString proposed;
    };
    struct Message {
        QMessageBox::Icon icon;
        QString title;
        QString text;
    };

    QString openFileName(QWidget*, const QString& title, const QString& filter,
                         const QString& proposed) override
    {
        openAsked.append({title, filter, proposed});
        return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
    }
    QString saveFileName(QWidget*, const QString& title, const QString& filter,
                         const QString& proposed) override
    {
        saveAsked.append({title, filter, proposed});
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }
    void message(QWidget*, QMessageBox::Icon icon, const QString& title,
                 const QString& text) override
    {
        messages.append({icon, title, text});
    }
    bool confirmExit(QWidget*) override
    {
        ++exitAsked;
        return exitAnswer;
    }
    SaveChoice askSaveChanges(QWidget*, const QString& projectName) override
    {
        saveQuestions.append(projectName);
        return saveChoices.isEmpty() ? SaveChoice::Cancel : saveChoices.takeFirst();
    }
    int runDialog(QDialog& dialog) override
    {
        dialogsRun.append(dialog.objectName());
        if (!dialogDriver)
            return QDialog::Rejected;
        dialog.show();
        dialogDriver(dialog);
        const int result = dialog.result();
        dialog.hide();
        return result;
    }
    bool openUrl(const QUrl& url) override
    {
        urls.append(url);
        return openUrlResult;
    }

    QStringList openAnswers;
    QStringList saveAnswers;
    QList<FileAsk> openAsked;
    QList<FileAsk> saveAsked;
    QList<Message> messages;
    bool exitAnswer = true;
    int exitAsked = 0;
    QList<SaveChoice> saveChoices;
    QStringList saveQuestions;
    // Drives a shown modal dialog with clicks and keys; its result() is the answer.
    std::function<void(QDialog&)> dialogDriver;
    QStringList dialogsRun;
    QList<QUrl> urls;
    bool openUrlResult = true;
};

} // namespace ladrix::test
