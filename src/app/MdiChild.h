#pragma once

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

namespace ladrix {

// A child window of the main window's MDI area that is made once and then shown and hidden,
// so what it holds (a scroll position, a cursor) survives closing it.
class MdiChild final {
public:
    explicit MdiChild(QMdiArea& area) : m_area(area) {}

    // Puts `widget` into a new frame of the area, hidden.
    void adopt(QWidget* widget);
    bool exists() const { return m_frame != nullptr; }
    bool isShown() const;
    // Each gives false when the window already was in that state.
    bool show();
    bool hide();
    QMdiSubWindow* frame() const { return m_frame; }

private:
    QMdiArea& m_area;
    QPointer<QMdiSubWindow> m_frame;
};

} // namespace ladrix
