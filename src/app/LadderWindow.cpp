#include "LadderWindow.h"

#include "UserPrompts.h"
#include "ladder/ui/LadderEditor.h"

namespace ladrix {

namespace {

// The palette's offsets from the editor's frame: 100 twips to the right after a resize,
// 1200 twips down when it first appears.
constexpr int kGap = 7;
constexpr int kFirstDrop = 80;

} // namespace

LadderWindow::LadderWindow(Project& project, QMdiArea& area, UserPrompts& prompts,
                           QWidget* paletteOwner)
    : QObject(&area), m_project(project), m_prompts(prompts), m_paletteOwner(paletteOwner),
      m_child(area)
{
}

LadderEditor& LadderWindow::editor()
{
    if (!m_editor) {
        m_editor = new LadderEditor(m_project);
        m_editor->setMessageSink(
            [this](QWidget* parent, const QString& title, const QString& text) {
                m_prompts.message(parent, QMessageBox::Information, title, text);
            });
        m_editor->setDialogRunner([this](QDialog& dialog) { return m_prompts.runDialog(dialog); });
        m_child.adopt(m_editor);
        connect(m_editor, &LadderEditor::closed, this, [this] {
            m_child.hide();
            // The palette sends its keys to this editor only; it goes with it.
            hidePalette();
            emit shownChanged();
        });
        connect(m_editor, &LadderEditor::resizedNormal, this, [this] { placePalette(false); });
    }
    return *m_editor;
}

bool LadderWindow::isShown() const
{
    return m_child.isShown();
}

void LadderWindow::show()
{
    editor();
    if (isShown())
        return;
    m_editor->resetView();
    m_child.show();
    m_editor->setFocus(Qt::OtherFocusReason);
    if (paletteShown())
        placePalette(true);
    emit shownChanged();
}

void LadderWindow::hide()
{
    if (m_child.hide())
        emit shownChanged();
}

bool LadderWindow::paletteShown() const
{
    return m_palette && m_palette->isVisible();
}

void LadderWindow::showPalette()
{
    if (!m_palette) {
        m_palette = new LadderToolPalette(m_paletteOwner);
        connect(m_palette, &LadderToolPalette::keyDown, this, [this](int code) {
            if (isShown())
                m_editor->formKeyDown(code);
        });
        connect(m_palette, &LadderToolPalette::closed, this, &LadderWindow::shownChanged);
    }
    if (paletteShown())
        return;
    m_palette->show();
    placePalette(true);
    emit shownChanged();
}

void LadderWindow::hidePalette()
{
    if (!paletteShown())
        return;
    m_palette->hide();
    emit shownChanged();
}

void LadderWindow::placePalette(bool firstShow)
{
    if (!m_palette || !isShown())
        return;
    const QWidget* window = m_child.frame();
    const QRect frame(window->mapToGlobal(QPoint(0, 0)), window->size());
    if (firstShow)
        m_palette->move(frame.right() + 1, frame.top() + kFirstDrop);
    else
        m_palette->move(frame.right() + 1 + kGap, frame.top());
}

} // namespace ladrix
