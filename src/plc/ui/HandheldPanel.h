#pragma once

#include "plc/SequenceTypes.h"
#include "widgets/MessageSink.h"

#include <QWidget>
#include <array>
#include <cstdint>
#include <deque>

class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace ladrix::plc {

class PlcSession;
class SessionClient;

// frmPA: the on-screen handheld programmer. Each key button (or its keyboard key) is one
// exchange, whose display the panel shows; in MONITOR mode timMon polls the display with the
// point key. Keys pressed while an exchange is on its way go out after it, in order.
//
// It shares the session, and so the port, with the online window: it opens the port from the
// stored setting unless one is open, keeps it open while it is there, and while another
// window's operation runs its keys and polling wait.
class HandheldPanel final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HandheldPanel)

public:
    static constexpr int kKeyCount = 23;

    explicit HandheldPanel(PlcSession& session, QWidget* parent = nullptr);
    ~HandheldPanel() override;

    void setMessageSink(MessageSink sink) { m_sink = std::move(sink); }
    // Reads the stored port again; a different one is opened in place of the one open.
    void reloadPortSetting();
    // PAMode: 1 PROGRAM, 2 MONITOR.
    int paMode() const { return m_paMode; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct Press {
        std::uint8_t code;
        bool shown; // a key's display is shown; a mode key's is not
        int mode;   // PAMode when it was pressed, which its display follows
    };
    enum class Open { No, IfClosed, Anew };

    // Stops polling, cancels what runs for the panel and gives up its share of the port.
    void leave();
    void buildWindow();
    QWidget* buildKeypad();
    void pressKey(int index);
    void chooseMode(int index);
    void pump();
    void onTick();
    void onFinished(const SequenceResult& result);
    void onOtherAccepted(SequenceKind kind, std::uint64_t request);
    void onOtherFinished(std::uint64_t request);
    void onModeChanged(bool running);
    void setWaiting(bool on);
    void showDisplay(const SequenceResult& result);
    void reportLinkFailure(const SequenceResult& result);
    void setPolling(bool on);

    SessionClient* m_client;
    MessageSink m_sink = messageBoxSink();
    std::array<QPushButton*, kKeyCount> m_keys{};
    std::array<QRadioButton*, 2> m_modes{};
    QLabel* m_instr = nullptr;
    QLabel* m_data = nullptr;
    QLabel* m_state = nullptr;
    QTimer* m_monitor;
    QString m_setting;
    int m_paMode = 1;
    std::deque<Press> m_queue;
    Press m_sent{0, false, 1};
    Open m_open = Open::IfClosed;
    // timMon was stopped for a key press, to be started again after it.
    bool m_resumePolling = false;
    // The other window's request that the panel waits for; 0 for none.
    std::uint64_t m_waitingFor = 0;
    bool m_placed = false;
};

} // namespace ladrix::plc
