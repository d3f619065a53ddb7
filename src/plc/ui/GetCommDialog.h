#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;

namespace ladrix::plc {

// Port choice: probes ports 1 to 8, one per tick of its 100 ms timer, lists those that open
// plus the simulated controller, and stores the choice as the "CommPort" setting on OK.
class GetCommDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GetCommDialog)

public:
    // Tells whether port n can be opened.
    using Prober = std::function<bool(int)>;

    explicit GetCommDialog(QWidget* parent = nullptr);
    GetCommDialog(Prober probe, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void onTick();
    void finishProbing();
    void onOk();

    Prober m_probe;
    QLabel* m_label;
    QComboBox* m_combo;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QTimer* m_timer;
    int m_next = 1; // the port number the next tick probes
};

} // namespace ladrix::plc
