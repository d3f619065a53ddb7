#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QWidget>

namespace ladrix {

// Keeps a window at its normal size: whenever the window that shows the widget (its MDI
// subframe, or the widget itself when it is top-level) is resized while neither minimised nor
// maximised, it is set back to the size given.
class NormalSizeKeeper final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NormalSizeKeeper)

public:
    NormalSizeKeeper(QWidget& widget, QSize size);

    // Follows the widget into its current window; call when the widget is shown.
    void attach();
    // The window being kept, or null before the widget was first shown.
    QWidget* window() const { return m_window; }
    void setSize(QSize size);
    QSize size() const { return m_size; }

signals:
    // The window was resized in its normal state (and set back when it had to be).
    void resized();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void keep();

    QWidget& m_widget;
    QSize m_size;
    QPointer<QWidget> m_window;
};

} // namespace ladrix
