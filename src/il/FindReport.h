#pragma once

#include "FindEngine.h"
#include "widgets/MessageSink.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace ladrix {

class InstrEditor;
class Project;

// The list of found steps. It stays on top without taking the focus, scrolls the editor to a
// found step and replaces mnemonics and operands in one, the next or all found steps.
class FindReport final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FindReport)

public:
    FindReport(Project& project, InstrEditor& editor, QWidget* parent = nullptr);

    // Shows one line per found step; the replace buttons are offered when `replacement`
    // replaces anything.
    void setResults(const QList<int>& steps, const Replacement& replacement);
    void setMessageSink(MessageSink sink) { m_sink = std::move(sink); }

    // The lines' steps, in list order.
    const QList<int>& steps() const { return m_steps; }
    int currentLine() const;

    void findSelected();
    void findNext();
    void replace();
    void replaceNext();
    void replaceAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* addButton(const char* name, const QString& caption);
    void selectLine(int line);
    void replaceLine(int line);

    Project& m_project;
    InstrEditor& m_editor;
    QLabel* m_header = nullptr;
    QListWidget* m_list = nullptr;
    QList<QPushButton*> m_replaceButtons;
    QList<int> m_steps;
    Replacement m_replacement;
    MessageSink m_sink;
};

} // namespace ladrix
