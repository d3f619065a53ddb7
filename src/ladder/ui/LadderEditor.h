#pragma once

#include "ladder/LadderEditing.h"
#include "widgets/MessageSink.h"

#include <QPixmap>
#include <QWidget>
#include <functional>

class QDialog;
class QScrollBar;

namespace ladrix {

class NormalSizeKeeper;
class Project;

// frmLad: ten rows by ten columns of the project's ladder grid with a cursor. Digit keys of the
// main keyboard place elements, Delete removes one, the arrows move the cursor; elements that
// need an operand ask for it in the element dialog. Every edit goes straight into the project's
// grid and is announced, and the view redraws whenever the grid changes.
//
// Children: the scroll bar "Vsc" (the grid row shown on the top screen row, 0 to 1000).
class LadderEditor final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LadderEditor)

public:
    // Logical pixels: 15 twips each at 96 dots an inch.
    static constexpr int kCellWidth = 54;
    static constexpr int kCellHeight = 37;
    static constexpr int kGridLeft = 10;
    static constexpr int kScrollLeft = 557;
    // The window in its normal state: 8800 x 6000 twips.
    static QSize normalWindowSize() { return {587, 400}; }

    explicit LadderEditor(Project& project, QWidget* parent = nullptr);
    ~LadderEditor() override;

    // Redraws the 100 cells from the grid.
    void vscChange();
    // The key handler, for the keyboard's and the palette's virtual key codes.
    void formKeyDown(int keyCode);
    void insertLad();
    void deleteLad();
    // Shows the top of the grid again with the cursor's border hidden, as a newly opened
    // window does; the cursor keeps its screen cell.
    void resetView();

    LadderEditing& editing() { return m_editing; }
    QScrollBar* scrollBar() const { return m_vsc; }
    // The slot of screen cell k (0..99) and the part of it a click selects.
    static QRect slotRect(int k);
    static QRect pictureRect(int k);

    void setMessageSink(MessageSink sink) { m_sink = std::move(sink); }
    // Runs a modal dialog; by default QDialog::exec.
    void setDialogRunner(std::function<int(QDialog&)> run) { m_runDialog = std::move(run); }
    // The window whose size is kept (the MDI subframe), for placing the palette beside it.
    QWidget* keptWindow() const;

signals:
    // The user closed the window.
    void closed();
    // The window was resized in its normal state and set back to its size.
    void resizedNormal();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<ElementInput> askElement(const ElementRequest& request);
    // Applies an edit, then brings the scroll bar and the view in line with it.
    void apply(const std::function<bool()>& edit);
    void renderCache();

    Project& m_project;
    LadderEditing m_editing;
    QScrollBar* m_vsc;
    NormalSizeKeeper* m_keeper;
    MessageSink m_sink;
    std::function<int(QDialog&)> m_runDialog;
    QPixmap m_cache;
    QFont m_labelFont;
};

} // namespace ladrix
