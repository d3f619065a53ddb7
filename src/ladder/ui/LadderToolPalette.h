#pragma once

#include <QWidget>

class QToolBar;

namespace ladrix {

// frmLadTool: a floating tool window that stays on top, with one toolbar of ten buttons for
// the ladder editor's element keys. A button sends its key code; a key pressed while the
// palette has the focus is passed on unchanged.
//
// Children: the toolbar "toolLad" whose buttons are "toolLad_1" to "toolLad_10".
class LadderToolPalette final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LadderToolPalette)

public:
    explicit LadderToolPalette(QWidget* parent = nullptr);

    QToolBar* toolBar() const { return m_toolLad; }
    // The key code button `button` (1 to 10) sends: 49 to 57, then 48.
    static int keyCodeOf(int button);

signals:
    void keyDown(int keyCode);
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QToolBar* m_toolLad;
};

} // namespace ladrix
