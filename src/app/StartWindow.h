#pragma once

#include <QWidget>

class QTimer;

namespace ladrix {

// frmStart: the splash window. Showing it centres it on the screen and shows the main window;
// it closes itself a second later.
class StartWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StartWindow)

public:
    explicit StartWindow(QWidget& mainWindow);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget& m_mainWindow;
    QTimer* m_timer;
};

} // namespace ladrix
