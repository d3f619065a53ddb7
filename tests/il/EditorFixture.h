#pragma once

#include "Printers.h"
#include "core/Project.h"
#include "il/InstrEditor.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <utility>

// An editor shown offscreen and active, whose messages are collected instead of shown.
class EditorFixture : public ::testing::Test {
protected:
    struct Message {
        QString title;
        QString text;
    };

    void SetUp() override
    {
        editor = std::make_unique<ladrix::InstrEditor>(project);
        editor->setMessageSink(collectMessages());
        editor->show();
        editor->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    }
    ladrix::MessageSink collectMessages()
    {
        return [this](QWidget*, const QString& title, const QString& text) {
            messages.push_back({title, text});
        };
    }

    QLineEdit* row(int r) const
    {
        return editor->findChild<QLineEdit*>(QStringLiteral("txtIns_%1").arg(r));
    }
    QLabel* stepLabel(int r) const
    {
        return editor->findChild<QLabel*>(QStringLiteral("labStep_%1").arg(r));
    }
    QLabel* mark(int r) const
    {
        return editor->findChild<QLabel*>(QStringLiteral("labE_%1").arg(r));
    }
    ladrix::Step& step(int i) { return project.program().step(i); }
    // Stores the given steps and tells the editor.
    void setSteps(std::initializer_list<std::pair<int, ladrix::Step>> steps)
    {
        for (const auto& [i, s] : steps)
            step(i) = s;
        project.notifyStepsChanged();
    }

    void focusRow(int r)
    {
        QTest::mouseClick(row(r), Qt::LeftButton);
        QApplication::processEvents();
        ASSERT_TRUE(row(r)->hasFocus());
    }
    // Replaces row r's text by keys, as a user would.
    void typeInto(int r, const QString& text)
    {
        focusRow(r);
        QTest::keyClick(row(r), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(row(r), Qt::Key_Delete);
        QTest::keyClicks(row(r), text);
    }
    void press(int r, Qt::Key key)
    {
        QTest::keyClick(row(r), key);
        QApplication::processEvents();
    }

    ladrix::Project project;
    std::unique_ptr<ladrix::InstrEditor> editor;
    std::vector<Message> messages;
};
