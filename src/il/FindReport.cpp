#include "FindReport.h"

#include "IlTexts.h"
#include "InstrEditor.h"
#include "core/Project.h"
#include "widgets/CommonTexts.h"
#include "widgets/RowFont.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ladrix {

FindReport::FindReport(Project& project, InstrEditor& editor, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), m_project(project), m_editor(editor),
      m_sink(messageBoxSink())
{
    using namespace iltexts;
    setObjectName(QStringLiteral("frmFReport"));
    setWindowTitle(kReportTitle());
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(rowFont());

    m_header = new QLabel(reportHeader(), this);
    m_header->setObjectName(QStringLiteral("labFind"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstMain"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* buttons = new QHBoxLayout;
    const auto bind = [&](const char* name, const QString& caption, void (FindReport::*run)()) {
        QPushButton* b = addButton(name, caption);
        connect(b, &QPushButton::clicked, this, run);
        buttons->addWidget(b);
        return b;
    };
    bind("cmdFind", kFind(), &FindReport::findSelected);
    bind("cmdFindNext", kFindNext(), &FindReport::findNext);
    m_replaceButtons = {bind("cmdReplace", kReplace(), &FindReport::replace),
                        bind("cmdReplaceNext", kReplaceNext(), &FindReport::replaceNext),
                        bind("cmdReplaceAll", kReplaceAll(), &FindReport::replaceAll)};
    QPushButton* exit = addButton("cmdExit", kExit());
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(exit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_header);
    layout->addWidget(m_list);
    layout->addLayout(buttons);

    connect(m_list, &QListWidget::itemDoubleClicked, this, &FindReport::findSelected);
    m_list->installEventFilter(this);
    resize(640, 320);
}

bool FindReport::eventFilter(QObject* watched, QEvent* event)
{
    // The buttons take no Enter, so Enter in the list is the keyboard's double click.
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            findSelected();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QPushButton* FindReport::addButton(const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

void FindReport::setResults(const QList<int>& steps, const Replacement& replacement)
{
    m_steps = steps;
    m_replacement = replacement;
    m_list->clear();
    const ProgramStore& store = m_project.program();
    for (int s : steps)
        m_list->addItem(reportLine(store, s));
    m_list->setCurrentRow(-1);
    setWindowTitle(reportCaption(steps.size()));
    for (QPushButton* b : m_replaceButtons)
        b->setEnabled(replacement.any());
}

int FindReport::currentLine() const
{
    // The selected line, not the view's current index, which focus alone may set.
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->row(selected.first());
}

void FindReport::selectLine(int line)
{
    m_list->setCurrentRow(line);
}

void FindReport::findSelected()
{
    const int line = currentLine();
    if (line < 0 || line >= m_steps.size())
        return;
    // A line still being typed in the editor would be lost to the scroll.
    m_editor.commitEdits();
    m_editor.showStep(m_steps[line]);
}

void FindReport::findNext()
{
    if (m_steps.isEmpty())
        return;
    const int line = currentLine() + 1;
    selectLine(line < m_steps.size() ? line : 0);
    findSelected();
}

void FindReport::replaceLine(int line)
{
    applyReplacement(m_project.program(), m_steps[line], m_replacement);
}

void FindReport::replace()
{
    const int line = currentLine();
    if (!m_replacement.any() || line < 0 || line >= m_steps.size())
        return;
    findSelected();
    replaceLine(line);
    m_project.notifyStepsChanged();
}

void FindReport::replaceNext()
{
    if (!m_replacement.any())
        return;
    const int line = currentLine() + 1;
    if (line >= m_steps.size()) {
        m_sink(this, commontexts::appTitle(), iltexts::kNoNextLine());
        return;
    }
    selectLine(line);
    replace();
}

void FindReport::replaceAll()
{
    if (!m_replacement.any() || m_steps.isEmpty())
        return;
    m_editor.commitEdits();
    for (int line = 0; line < m_steps.size(); ++line) {
        selectLine(line);
        replaceLine(line);
    }
    m_project.notifyStepsChanged();
}

} // namespace ladrix
