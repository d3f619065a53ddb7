#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;

namespace ladrix::plc {

class PlcSession;
class SessionClient;

// Port choice: probes ports 1 to 8, one per tick of its 100 ms timer, lists those that open
// plus the simulated controller, and stores the choice as the "CommPort" setting on OK.
class GetCommDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GetCommDialog)

public:
    // Tells whether port n can be opened, at once.
    using Prober = std::function<bool(int)>;

    // Probes through the session, on its thread; its own open port counts as available.
    explicit GetCommDialog(PlcSession& session, QWidget* parent = nullptr);
    GetCommDialog(Prober probe, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    GetCommDialog(QWidget* parent);
    void onTick();
    void probed(bool available);
    void finishProbing();
    void onOk();

    Prober m_probe;
    SessionClient* m_client = nullptr;
    QLabel* m_label;
    QComboBox* m_combo;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QTimer* m_timer;
    int m_next = 1;         // the port number the next probe asks about
    bool m_waiting = false; // a probe through the session is on its way
};

} // namespace ladrix::plc
