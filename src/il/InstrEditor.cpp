#include "InstrEditor.h"

#include "IlTexts.h"
#include "RowText.h"
#include "core/LineParser.h"
#include "core/Project.h"
#include "core/RuntimeError.h"
#include "core/StepEditing.h"
#include "widgets/CommonTexts.h"
#include "widgets/NormalSizeKeeper.h"
#include "widgets/RowFont.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

namespace ladrix {

namespace {

constexpr int kRowHeight = 20;
constexpr int kMinRowHeight = 16;

// Focus that leaves for a popup or another application is no decision to leave the row.
bool leavesRow(Qt::FocusReason reason)
{
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

bool isUndoOrRedo(const QKeyEvent& event)
{
    return event.matches(QKeySequence::Undo) || event.matches(QKeySequence::Redo) ||
           event.keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
}

QPalette rowPalette(const QPalette& base, QPalette::ColorRole back, QPalette::ColorRole fore)
{
    QPalette p = base;
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window})
        p.setColor(role, base.color(back));
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText})
        p.setColor(role, base.color(fore));
    return p;
}

} // namespace

InstrEditor::InstrEditor(Project& project, QWidget* parent)
    : QWidget(parent), m_project(project), m_sink(messageBoxSink())
{
    setObjectName(QStringLiteral("frmInstr"));
    setWindowTitle(iltexts::kEditorTitle());
    setFont(rowFont());
    const QPalette base = palette();
    m_plain = rowPalette(base, QPalette::Window, QPalette::WindowText);
    m_high = rowPalette(base, QPalette::Highlight, QPalette::HighlightedText);

    m_vsc = new QScrollBar(Qt::Vertical, this);
    m_vsc->setObjectName(QStringLiteral("Vsc"));
    m_vsc->setSingleStep(1);
    m_vsc->setPageStep(kRows);
    createRows();
    syncScrollRange();
    resize(normalWindowSize());
    m_keeper = new NormalSizeKeeper(*this, normalWindowSize());

    connect(m_vsc, &QScrollBar::valueChanged, this, [this] {
        followFocusedRow();
        vscChange();
    });
    connect(&m_project, &Project::stepsChanged, this, &InstrEditor::vscChange);
    connect(&m_project, &Project::stateChanged, this, &InstrEditor::refreshState);
    vscChange();
}

void InstrEditor::createRows()
{
    for (int r = 0; r < kRows; ++r) {
        Row& row = m_rows[r];
        row.text = new QLineEdit(this);
        row.text->setObjectName(QStringLiteral("txtIns_%1").arg(r));
        row.text->setFrame(false);
        row.text->setPalette(m_plain);
        row.text->installEventFilter(this);
        row.step = new QLabel(QString::number(r), this);
        row.step->setObjectName(QStringLiteral("labStep_%1").arg(r));
        row.mark = new QLabel(this);
        row.mark->setObjectName(QStringLiteral("labE_%1").arg(r));
        row.mark->setAlignment(Qt::AlignCenter);
        for (QLabel* label : {row.step, row.mark}) {
            label->setAutoFillBackground(true);
            label->setPalette(m_plain);
            label->installEventFilter(this);
        }
    }
}

void InstrEditor::layoutRows()
{
    const QFontMetrics fm(font());
    // Twenty rows share the height, never less than the font needs.
    const int rowHeight =
        std::max({kMinRowHeight, fm.height(), std::min(height() / kRows, kRowHeight)});
    const int stepWidth = fm.horizontalAdvance(QStringLiteral("0000")) + 8;
    const int markWidth = fm.horizontalAdvance(iltexts::kBlockMark) + 8;
    const int barWidth = m_vsc->sizeHint().width();
    const int textWidth = std::max(0, width() - stepWidth - markWidth - barWidth);
    for (int r = 0; r < kRows; ++r) {
        const int y = r * rowHeight;
        m_rows[r].step->setGeometry(0, y, stepWidth, rowHeight);
        m_rows[r].mark->setGeometry(stepWidth, y, markWidth, rowHeight);
        m_rows[r].text->setGeometry(stepWidth + markWidth, y, textWidth, rowHeight);
    }
    m_vsc->setGeometry(width() - barWidth, 0, barWidth, rowHeight * kRows);
}

int InstrEditor::topStep() const
{
    return m_vsc->value();
}

void InstrEditor::syncScrollRange()
{
    // The value may be clamped here; the caller redraws anyway.
    const QSignalBlocker blocker(m_vsc);
    m_vsc->setRange(0, std::max(0, m_project.program().maxStep() - (kRows - 1)));
}

void InstrEditor::vscChange()
{
    redrawRows(false);
}

void InstrEditor::refreshState()
{
    redrawRows(true);
}

void InstrEditor::redrawRows(bool keepTyped)
{
    const int oldTop = topStep();
    syncScrollRange();
    const ProgramStore& store = m_project.program();
    const int top = topStep();
    for (int r = 0; r < kRows; ++r) {
        const int s = top + r;
        Row& row = m_rows[r];
        row.step->setText(stepLabel(s));
        row.mark->setText(inBlock(store, s) ? iltexts::kBlockMark : QString());
        if (keepTyped && row.text->isModified())
            continue;
        const QString text = ProgramStore::inRange(s) ? rowText(store.step(s)) : QString();
        if (row.text->text() != text) {
            row.text->setText(text);
            // Show the start of a long row, where the mnemonic and operand are.
            row.text->setCursorPosition(0);
        }
        row.text->setModified(false);
    }
    // A smaller model pulled the page up under the focused row: the current step follows it.
    if (topStep() != oldTop)
        followFocusedRow();
}

void InstrEditor::insertIns()
{
    insertStep(m_project.program());
    m_project.notifyStepsChanged();
}

void InstrEditor::deleteIns()
{
    deleteStep(m_project.program());
    m_project.notifyStepsChanged();
}

void InstrEditor::commitEdits()
{
    if (m_focusRow >= 0 && m_rows[m_focusRow].text->isModified())
        commitRow(m_focusRow);
}

void InstrEditor::showStep(int step)
{
    m_vsc->setValue(std::clamp(step, m_vsc->minimum(), m_vsc->maximum()));
}

void InstrEditor::focusStep(int step)
{
    showStep(step);
    const int r = step - topStep();
    if (r >= 0 && r < kRows)
        enterRow(r);
}

int InstrEditor::rowOf(QObject* object) const
{
    for (int r = 0; r < kRows; ++r) {
        const Row& row = m_rows[r];
        if (object == row.text || object == row.step || object == row.mark)
            return r;
    }
    return -1;
}

bool InstrEditor::eventFilter(QObject* watched, QEvent* event)
{
    const int r = rowOf(watched);
    if (r < 0)
        return QWidget::eventFilter(watched, event);
    const bool onText = watched == m_rows[r].text;
    switch (event->type()) {
    case QEvent::KeyPress:
        return onText && handleKey(r, static_cast<QKeyEvent*>(event)->key());
    case QEvent::ShortcutOverride:
        // Undo and redo belong to the row while it is being typed, else to the program.
        return onText && !m_rows[r].text->isModified() &&
               isUndoOrRedo(*static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
        if (onText)
            rowFocusIn(r);
        break;
    case QEvent::FocusOut:
        if (onText && leavesRow(static_cast<QFocusEvent*>(event)->reason()))
            rowFocusOut(r);
        break;
    case QEvent::MouseButtonPress:
        if (watched == m_rows[r].step)
            m_rows[r].text->setFocus(Qt::MouseFocusReason);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool InstrEditor::handleKey(int r, int key)
{
    switch (key) {
    case Qt::Key_Up:
        if (r == 0) {
            if (m_vsc->value() > m_vsc->minimum()) {
                m_vsc->setValue(m_vsc->value() - 1);
                enterRow(0);
            }
        } else {
            enterRow(r - 1);
        }
        return true;
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (r == kRows - 1) {
            if (m_vsc->value() < m_vsc->maximum()) {
                commitRow(r);
                m_vsc->setValue(m_vsc->value() + 1);
                enterRow(r);
            }
        } else {
            enterRow(r + 1);
        }
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        turnPage(r, key == Qt::Key_PageDown ? 1 : -1);
        return true;
    case Qt::Key_Insert:
        vscChange();
        return true;
    default:
        return false;
    }
}

void InstrEditor::turnPage(int r, int direction)
{
    const int top = m_vsc->value();
    if (top == (direction > 0 ? m_vsc->maximum() : m_vsc->minimum())) {
        enterRow(direction > 0 ? kRows - 1 : 0);
        return;
    }
    // Stored first, as Enter in the last row does: the new page replaces the row's text.
    commitRow(r);
    m_vsc->setValue(top + direction * kRows);
    enterRow(r);
}

void InstrEditor::enterRow(int r)
{
    // Typing then replaces the row; with the caret at its start the old text would trail the
    // typed line into the step.
    m_rows[r].text->setFocus(Qt::OtherFocusReason);
    m_rows[r].text->selectAll();
}

void InstrEditor::rowFocusIn(int r)
{
    m_focusRow = r;
    setRowHighlighted(r, true);
    followFocusedRow();
}

void InstrEditor::rowFocusOut(int r)
{
    if (m_focusRow == r)
        m_focusRow = -1;
    setRowHighlighted(r, false);
    commitRow(r);
}

void InstrEditor::followFocusedRow()
{
    if (m_focusRow < 0)
        return;
    ProgramStore& store = m_project.program();
    const int step = topStep() + m_focusRow;
    if (store.curStep == step)
        return;
    store.curStep = step;
    m_project.notifyStateChanged();
}

void InstrEditor::commitRow(int r)
{
    QLineEdit* edit = m_rows[r].text;
    const int s = topStep() + r;
    // A row typed back to what it showed counts as unedited: reading it back would lower the
    // case of its comment.
    if (!edit->isModified() || !ProgramStore::inRange(s) ||
        edit->text() == rowText(m_project.program().step(s))) {
        vscChange();
        return;
    }
    Step& stored = m_project.program().step(s);
    Step candidate = stored;
    if (const auto error = commitLine(edit->text(), candidate)) {
        const QString title = error->runtime ? errorTitle(error->number) : commontexts::appTitle();
        // Shown after the focus change is complete; a modal box inside it would disturb it.
        QTimer::singleShot(0, this,
                           [this, title, text = error->text] { m_sink(this, title, text); });
    }
    if (candidate == stored) {
        vscChange();
        return;
    }
    stored = candidate;
    m_project.notifyStepsChanged();
}

void InstrEditor::setRowHighlighted(int r, bool on)
{
    const Row& row = m_rows[r];
    for (QWidget* w : {static_cast<QWidget*>(row.text), static_cast<QWidget*>(row.step),
                       static_cast<QWidget*>(row.mark)})
        w->setPalette(on ? m_high : m_plain);
}

void InstrEditor::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

void InstrEditor::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutRows();
}

void InstrEditor::wheelEvent(QWheelEvent* event)
{
    QCoreApplication::sendEvent(m_vsc, event);
}

void InstrEditor::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_keeper->attach();
}

} // namespace ladrix
