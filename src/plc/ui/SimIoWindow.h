#pragma once

#include "plc/SimPlc.h"

#include <QPointer>
#include <QWidget>
#include <vector>

class QAbstractButton;
class QLabel;
class QTreeWidget;

namespace ladrix::plc {

// frmSimIo, 模拟PLC: the simulated controller's mode, scan count and time, a lamp per input X
// (a click switches it; held down for kHoldMs or longer it is a push button and goes back on
// release), a lamp per output Y, and the timers and counters the program drives. It shows the
// pictures the controller sends (at most 20 a second) and reaches it by queued calls only, so
// it never waits for the controller's thread.
class SimIoWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SimIoWindow)

public:
    static constexpr int kHoldMs = 400;

    explicit SimIoWindow(SimPlc& plc, QWidget* parent = nullptr);

private:
    void buildWindow();
    void showSnapshot(const SimSnapshot& s);
    void onInputPressed(std::size_t index);
    void onInputReleased(std::size_t index);
    void requestInput(std::size_t index, bool on);

    QPointer<SimPlc> m_plc;
    QLabel* m_mode = nullptr;
    QLabel* m_scans = nullptr;
    QLabel* m_time = nullptr;
    QLabel* m_fault = nullptr;
    std::vector<QAbstractButton*> m_inputs;
    std::vector<QAbstractButton*> m_outputs;
    QTreeWidget* m_values = nullptr;
    std::vector<qint64> m_pressedAt; // per input: when its press began
    std::vector<bool> m_pressedTo;   // per input: the state the press switched it to
};

} // namespace ladrix::plc
