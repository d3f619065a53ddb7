#pragma once

#include "widgets/MessageSink.h"

#include <QPalette>
#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QScrollBar;

namespace ladrix {

class NormalSizeKeeper;
class Project;

// The instruction-list editor: a page of 20 rows over the program store, row r showing step
// topStep() + r. A row is written back to its step when it loses the focus, and only when the
// user changed its text, so leaving a row never alters a step by reading it back.
//
// Child objectNames: the row text boxes "txtIns_<r>", step labels "labStep_<r>" and block
// marks "labE_<r>" for r = 0..19, and the scroll bar "Vsc".
class InstrEditor final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(InstrEditor)

public:
    static constexpr int kRows = 20;

    explicit InstrEditor(Project& project, QWidget* parent = nullptr);

    // Rebuilds every row from the store; text typed and not committed is thrown away.
    void vscChange();
    // Inserts an empty step / deletes the step at the current step, then redraws.
    void insertIns();
    void deleteIns();
    // Commits the focused row if the user changed it (before a save, for instance).
    void commitEdits();
    // Scrolls so that the step shows in row 0, or as high as the scroll range allows.
    void showStep(int step);
    // Shows the step and puts the keyboard in its row, the row's text selected.
    void focusStep(int step);

    int topStep() const;
    QScrollBar* scrollBar() const { return m_vsc; }
    void setMessageSink(MessageSink sink) { m_sink = std::move(sink); }

    // The window's size in its normal state: 9000 x 6400 twips.
    static QSize normalWindowSize() { return {600, 427}; }
    // Song typeface where present, else a Debian font with fixed-width Latin letters.

signals:
    // The user closed the window.
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct Row {
        QLineEdit* text = nullptr;
        QLabel* step = nullptr;
        QLabel* mark = nullptr;
    };

    void createRows();
    void layoutRows();
    void redrawRows(bool keepTyped);
    void refreshState();
    void syncScrollRange();
    int rowOf(QObject* object) const;
    int focusedRow() const;
    bool handleKey(int r, int key);
    // Page Up (-1) or Page Down (1) from row r: a page further, or to the first or last row.
    void turnPage(int r, int direction);
    // Row r reached by a key (arrow, Enter, page key): focused, with its whole text selected.
    void enterRow(int r);
    void rowFocusIn(int r);
    void rowFocusOut(int r);
    void commitRow(int r);
    void setRowHighlighted(int r, bool on);
    void followFocusedRow();

    Project& m_project;
    std::array<Row, kRows> m_rows;
    QScrollBar* m_vsc = nullptr;
    // Window colours for rows, highlight colours for the focused row.
    QPalette m_plain;
    QPalette m_high;
    MessageSink m_sink;
    // Keeps the MDI subframe (or this, when top-level) at the normal size.
    NormalSizeKeeper* m_keeper = nullptr;
    int m_focusRow = -1;
};

} // namespace ladrix
