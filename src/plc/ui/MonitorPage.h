#pragma once

#include "OnlinePrompts.h"

#include "plc/SequenceTypes.h"

#include <QGroupBox>
#include <functional>

class QLabel;
class QRadioButton;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace ladrix::plc {

class SessionClient;

// The monitor page of the online window (fmeMonitor): runs and stops the controller, and
// watches the device picked in the tree, polling its display every tick of timMon while no
// other exchange runs.
class MonitorPage final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MonitorPage)

public:
    MonitorPage(SessionClient& client, const OnlinePrompts& prompts, QWidget* parent = nullptr);

    // Enables or disables "运行" and "停止" (nSetMode).
    void setOptionsEnabled(bool on);
    // Selects "运行" when it is enabled, running the controller (the page was chosen).
    void pageSelected();
    // Another page was chosen: polling stops.
    void stopPolling();
    // Sends "停止" as the option does; `done` gets whether the controller answered.
    bool stopPlc(std::function<void(bool)> done);
    // When this page's exchange (run/stop, a device keyed in, a poll) is on its way, keeps
    // `then` to run once it is back (a later call takes its place) and returns true;
    // otherwise returns false and does nothing.
    bool whenExchangeBack(std::function<void()> then);

private:
    void onModeChanged(bool running);
    void onRunClicked();
    void onStopClicked();
    // Sends "运行" or "停止"; the options show the request at once and the answer when it comes.
    bool setMode(bool run, std::function<void(bool)> done);
    void onNodeClicked(QTreeWidgetItem* item);
    void onTick();
    void onFinished(const SequenceResult& result);
    void watch(const QString& nodeText);
    void showMode();
    void buildTree();

    SessionClient& m_client;
    const OnlinePrompts& m_prompts;
    QRadioButton* m_run;
    QRadioButton* m_stop;
    QTreeWidget* m_tree;
    QLabel* m_data;
    QLabel* m_lamp;
    QTimer* m_timer;
    bool m_running = false;
    bool m_wantRun = false;
    bool m_modeKnown = false;
    int m_monDev = 0;
    std::function<void()> m_afterExchange; // a click that came while an exchange was on its way
    std::function<void(bool)> m_afterMode;
};

} // namespace ladrix::plc
