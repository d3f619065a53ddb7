#pragma once

#include "FakePrompts.h"
#include "app/InstrWindow.h"
#include "app/LadderWindow.h"
#include "app/MainWindow.h"
#include "core/Project.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Readable values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace ladrix::test {

using namespace Qt::StringLiterals;

// A shown main window over a fresh project, with every prompt answered by FakePrompts.
class AppFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<MainWindow>(project, prompts);
        window->setSystemInfoTool(QString());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        ASSERT_TRUE(dir.isValid());
    }

    void TearDown() override
    {
        prompts.exitAnswer = true;
        prompts.saveChoices = {UserPrompts::SaveChoice::Discard};
        window->close();
        window.reset();
    }

    QAction* menu(const char* name) const { return window->menuAction(QString::fromLatin1(name)); }
    QAction* tool(const char* key) const { return window->toolAction(QString::fromLatin1(key)); }
    void choose(const char* name) { menu(name)->trigger(); }
    void clickTool(const char* key)
    {
        QWidget* button = window->toolBar()->widgetForAction(tool(key));
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    // Writes a file of the given bytes into the test folder and gives its path.
    QString writeFile(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        file.write(bytes);
        return file.fileName();
    }

    // Answers the next frmNew with this name and model row, by clicks and typing.
    void answerNewProject(const QString& name, int row)
    {
        prompts.dialogDriver = [name, row](QDialog& dialog) {
            auto* text = dialog.findChild<QLineEdit*>(QStringLiteral("txtName"));
            auto* list = dialog.findChild<QListWidget*>(QStringLiteral("lstMode"));
            auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("OKButton"));
            // The name is selected whole when the dialog opens, so typing replaces it.
            EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
            QCoreApplication::processEvents();
            EXPECT_TRUE(text->hasFocus());
            EXPECT_EQ(text->selectedText(), text->text());
            QTest::keyClicks(text, name);
            const QRect rect = list->visualItemRect(list->item(row));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
            QTest::mouseClick(ok, Qt::LeftButton);
        };
    }

    // Fills the first steps with LD M100, LD M101, ...
    void fillSteps(int count)
    {
        for (int i = 0; i < count; ++i)
            project.program().step(i) = Step{"LD", QString("M%1").arg(100 + i), {}};
        project.notifyStepsChanged();
    }

    // Creates a project through the menu and the dialog.
    void newProject(const QString& name = QStringLiteral("motor"), int row = 0)
    {
        answerNewProject(name, row);
        choose("mnuFNew");
        prompts.dialogDriver = nullptr;
    }

    Project project;
    FakePrompts prompts;
    std::unique_ptr<MainWindow> window;
    QTemporaryDir dir;
};

} // namespace ladrix::test
